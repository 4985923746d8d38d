-- The drugs instilled into the rabbit's eye; saline, the control that is
-- never given as an unknown, must stay the last row.
--   L_Reflex    light reflex: Y present, N absent, B present while the pupil is wide
--   C_Reflex    corneal reflex: Y the eye blinks
--   I_Tension   intraocular tension: N unchanged, D decreased, I increased
--   P_size1, P_size2   lowest and highest pupil change; one unit is 5 twips of
--               diameter (17 units about 1 mm on the ruler), positive dilates;
--               never below -84, or the torch would close the smallest pupil
CREATE TABLE [R_Eye] (
    [D_Name] TEXT,
    [L_Reflex] TEXT,
    [C_Reflex] TEXT,
    [I_Tension] TEXT,
    [P_size1] INTEGER,
    [P_size2] INTEGER
);

INSERT INTO [R_Eye] ([D_Name], [L_Reflex], [C_Reflex], [I_Tension], [P_size1], [P_size2]) VALUES
    -- antimuscarinic: wide pupil, no light reflex, tension up
    ('Atropine', 'N', 'Y', 'I', 40, 55),
    -- a weaker antimuscarinic
    ('Homatropine', 'N', 'Y', 'I', 30, 42),
    -- alpha agonist: wide pupil that still reacts to light
    ('Phenylephrine', 'B', 'Y', 'N', 25, 38),
    -- indirect sympathomimetic: moderate dilation, reflex kept
    ('Ephedrine', 'B', 'Y', 'N', 15, 28),
    -- slight dilation, lowers the pressure
    ('Adrenaline', 'B', 'Y', 'D', 8, 18),
    -- muscarinic agonist: pinpoint pupil, tension down
    ('Pilocarpine', 'N', 'Y', 'D', -45, -30),
    -- anticholinesterase: small pupil, tension down
    ('Physostigmine', 'N', 'Y', 'D', -40, -25),
    -- surface anaesthetic: no corneal reflex
    ('Lignocaine', 'Y', 'N', 'N', 0, 0),
    -- the control
    ('Saline', 'Y', 'Y', 'N', 0, 0);
