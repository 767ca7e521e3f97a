-- SPDX-License-Identifier: GPL-3.0-or-later
-- The club's shared training log on PostgreSQL (15 or later): run once on an empty
-- database by its owner, `psql -d DATABASE -f club.sql`.
--
-- Stations only ever add: a test once (its identifier is made when it is recorded, so a
-- test sent twice is stored once) and a new version of its record (note, RPE, repetitions
-- left out) whenever the coach changes it. All versions are kept; the newest, by the
-- server's clock, is the one the stations show.
--
-- Who sees what: every coach's login role is a member of the group role of each team they
-- train (listed in kinetrack.squadre) and sees and writes those teams' tests only; members
-- of kt_capo (the head coach) see every team. kt_allenatori holds the rights every coach
-- needs. See docs/club.md.

\set ON_ERROR_STOP on
BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kt_allenatori') THEN
        CREATE ROLE kt_allenatori NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kt_capo') THEN
        CREATE ROLE kt_capo NOLOGIN IN ROLE kt_allenatori;
    END IF;
END
$$;

CREATE SCHEMA kinetrack;

-- The schema's version: kinetrack refuses a database of another one, naming both.
CREATE TABLE kinetrack.versione (
    versione integer NOT NULL
);
INSERT INTO kinetrack.versione VALUES (1);

-- The teams and the group role whose members train each.
CREATE TABLE kinetrack.squadre (
    squadra text PRIMARY KEY,
    gruppo regrole NOT NULL
);

-- One row per recorded test, as the station that recorded it first sent it. Velocities in
-- m/s, loss in %, load in kg; `quando` is when the set started at the station (its clock),
-- `ricevuto` when the server stored it (the server's).
CREATE TABLE kinetrack.test (
    id uuid PRIMARY KEY,
    stazione text NOT NULL,
    squadra text NOT NULL,
    atleta text NOT NULL,
    esercizio text NOT NULL,
    carico double precision NOT NULL,
    quando timestamptz NOT NULL,
    ripetizioni integer NOT NULL,
    escluse integer NOT NULL,
    vmedia_tabella double precision,
    vmedia_alzata double precision,
    mpv_migliore double precision,
    mpv_media double precision,
    perdita_ultima double precision,
    rpe real NOT NULL,
    nota text NOT NULL,
    sommario text NOT NULL,
    analisi text NOT NULL,
    ricevuto timestamptz NOT NULL DEFAULT clock_timestamp()
);
CREATE INDEX test_squadra ON kinetrack.test (squadra, atleta);
CREATE INDEX test_ricevuto ON kinetrack.test (ricevuto);

-- Every version of a test's record, by the hash of what it says (`impronta`), with the
-- values that depend on it (a repetition left out leaves the velocities).
CREATE TABLE kinetrack.registro (
    numero bigserial PRIMARY KEY,
    test uuid NOT NULL REFERENCES kinetrack.test (id),
    impronta text NOT NULL,
    rpe real NOT NULL,
    nota text NOT NULL,
    elenco_escluse text NOT NULL, -- repetition numbers, from 1, separated by ","
    escluse integer NOT NULL,
    vmedia_tabella double precision,
    vmedia_alzata double precision,
    mpv_migliore double precision,
    mpv_media double precision,
    perdita_ultima double precision,
    stazione text NOT NULL,
    ricevuto timestamptz NOT NULL DEFAULT clock_timestamp(),
    UNIQUE (test, impronta)
);
CREATE INDEX registro_ricevuto ON kinetrack.registro (ricevuto);

-- Whether the current role may see and write a team's tests.
CREATE FUNCTION kinetrack.squadra_permessa(nome text) RETURNS boolean
    LANGUAGE sql STABLE
    SET search_path = pg_catalog
AS $$
    SELECT pg_has_role(current_user, 'kt_capo', 'MEMBER')
        OR EXISTS (SELECT 1 FROM kinetrack.squadre s
                   WHERE s.squadra = nome
                     AND coalesce(pg_has_role(current_user, s.gruppo::oid, 'MEMBER'), false))
$$;

ALTER TABLE kinetrack.test ENABLE ROW LEVEL SECURITY;
ALTER TABLE kinetrack.registro ENABLE ROW LEVEL SECURITY;
CREATE POLICY per_squadra ON kinetrack.test
    USING (kinetrack.squadra_permessa(squadra))
    WITH CHECK (kinetrack.squadra_permessa(squadra));
-- A version goes with its test: seen and written where the test is (the subquery sees only
-- the tests the role may see).
CREATE POLICY per_test ON kinetrack.registro
    USING (EXISTS (SELECT 1 FROM kinetrack.test t WHERE t.id = registro.test))
    WITH CHECK (EXISTS (SELECT 1 FROM kinetrack.test t WHERE t.id = registro.test));

-- Coaches add and read; nobody but the owner changes or removes.
REVOKE ALL ON SCHEMA kinetrack FROM PUBLIC;
GRANT USAGE ON SCHEMA kinetrack TO kt_allenatori;
GRANT SELECT ON kinetrack.versione, kinetrack.squadre TO kt_allenatori;
GRANT SELECT, INSERT ON kinetrack.test, kinetrack.registro TO kt_allenatori;
GRANT USAGE ON SEQUENCE kinetrack.registro_numero_seq TO kt_allenatori;
GRANT EXECUTE ON FUNCTION kinetrack.squadra_permessa(text) TO kt_allenatori;

COMMIT;
