-- The solutions instilled on the frog oesophagus. The first row is the
-- baseline Ringer solution; the third row's ranges also serve acetylcholine
-- given after physostigmine.
--   speed1, speed2   lowest and highest seed step, twips per tick
--   time1, time2     lowest and highest tick interval, ms
-- A seed starting 650 to 840 twips down travels past 3200 twips in about the
-- time noted beside each row (tutorial step 12 to 16 twips).
CREATE TABLE [Oeso] (
    [Drug] TEXT,
    [speed1] REAL,
    [speed2] REAL,
    [time1] REAL,
    [time2] REAL
);

INSERT INTO [Oeso] ([Drug], [speed1], [speed2], [time1], [time2]) VALUES
    -- baseline transport, about 38.7 s
    ('Ringer', 13, 15, 200, 230),
    -- muscarinic stimulation speeds the cilia, about 27 s
    ('Acetylcholine', 13, 15, 140, 160),
    -- resists cholinesterase, about 19 s
    ('Carbachol', 13, 15, 100, 115),
    -- anticholinesterase: the tissue's own acetylcholine acts longer, about 31.5 s
    ('Physostigmine', 13, 15, 165, 185),
    -- muscarinic block: slower, about 50 s
    ('Atropine', 13, 15, 260, 295),
    -- slight acceleration, about 35 s
    ('Adrenaline', 13, 15, 185, 205);
