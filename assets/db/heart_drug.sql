-- The frog heart's drugs, numbered 1 to 8 in this order: drug 1 and drug 6
-- are the two that Examination 3 compares the unknown with.
--   Dose                 µg
--   hr_START, hr_END     smallest and largest heart-rate change, beats/min
--   L_StART, L_End       ends of the beat stroke, pixels from the paper's top;
--                        always one of the lever's nine strokes
--   tone, hr_indicator   I increase, D decrease, O arrest, N no change
CREATE TABLE [heart_drug] (
    [Name] TEXT,
    [key] TEXT,
    [L_StART] INTEGER,
    [L_End] INTEGER,
    [Dose] REAL,
    [hr_START] INTEGER,
    [hr_END] INTEGER,
    [tone] TEXT,
    [hr_indicator] TEXT
);

INSERT INTO [heart_drug] ([Name], [key], [L_StART], [L_End], [Dose], [hr_START], [hr_END], [tone], [hr_indicator]) VALUES
    -- beta agonist: faster, stronger beats (amplitude 50), tone unchanged
    ('Epinephrine', 'Epi', 90, 40, 5, 15, 25, 'N', 'I'),
    -- the same direction, weaker on the amphibian heart (amplitude 36)
    ('Norepinephrine', 'NEpi', 80, 44, 5, 8, 18, 'N', 'I'),
    -- the most potent beta agonist (amplitude 55)
    ('Isoprenaline', 'Iso', 85, 30, 1, 20, 35, 'N', 'I'),
    -- beta blocker: slight slowing, weaker beats (amplitude 20)
    ('Propranolol', 'Prop', 80, 60, 50, 5, 12, 'N', 'D'),
    -- muscarinic blocker: little effect alone; blocks acetylcholine
    ('Atropine', 'Atr', 80, 49, 10, 0, 3, 'N', 'N'),
    -- muscarinic agonist: marked slowing, weak beats (amplitude 10)
    ('Acetylcholine', 'ACh', 69, 59, 1, 20, 35, 'D', 'D'),
    -- excess potassium: arrest in diastole (flat, low trace)
    ('Potassium chloride', 'KCl', 84, 85, 2000, 55, 59, 'D', 'O'),
    -- excess calcium: arrest in systole (flat, high trace)
    ('Calcium chloride', 'CaCl', 35, 36, 2000, 50, 59, 'I', 'O');
