-- The rows of one patient: facts and known argument values, with rows that give nothing.
DROP TABLE IF EXISTS "dane pacjenta";
CREATE TABLE "dane pacjenta" (rodzaj VARCHAR(20), nazwa VARCHAR(200), wartosc TEXT, uwagi TEXT);
INSERT INTO "dane pacjenta" VALUES ('fakt', 'gorączka', '0,8', 'przecinek dziesiętny');
INSERT INTO "dane pacjenta" VALUES ('fakt', 'kaszel', '0.9', 'zastępuje fakt bazy');
INSERT INTO "dane pacjenta" VALUES ('argument_znany', 'temperatura', '38,5', NULL);
INSERT INTO "dane pacjenta" VALUES ('fakt', 'katar', '1,5', 'CF poza przedziałem');
INSERT INTO "dane pacjenta" VALUES ('argument_znany', 'ciśnienie', '1e400', 'liczba poza zakresem');
INSERT INTO "dane pacjenta" VALUES ('argument_znany', 'tętno', 'szybkie', 'to nie liczba');
INSERT INTO "dane pacjenta" VALUES ('Fakt', 'ból_głowy', '0.3', 'nieznany rodzaj');
INSERT INTO "dane pacjenta" VALUES ('fakt', 'dreszcze', NULL, 'brak wartości');
INSERT INTO "dane pacjenta" VALUES ('fakt', 'gorączka', '0,7', 'późniejszy wiersz wygrywa');
DROP TABLE IF EXISTS pusta;
CREATE TABLE pusta (rodzaj VARCHAR(20), nazwa VARCHAR(20), wartosc VARCHAR(20));
