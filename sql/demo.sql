-- Demo data for scripts/run: two clients (kor ALFA and OMEGA), a few hundred
-- rows in each register, Croatian letters, dates as day numbers (days since
-- 28 December 1800), finished and unfinished workstations, and login users.
-- Loaded once into a new demo server, after sql/schema.sql.
USE app_reg;

INSERT INTO reg_lozinke (username, zaporka, ovlasti) VALUES
    ('ana', 'ana2026', 10),
    ('marko', 'marko3', 3),
    ('gost', 'gost', 0);

-- 360 workstations: every third belongs to OMEGA, the rest to ALFA.
INSERT INTO reg_oprema (kor, inv_broj, lokacija, radnajedinica, djelatnik, opis_radnog_mjesta,
    vrsta_racunala, naziv_racunala, sifra_računala, sn_racunala, procesor, memorija, memorijatip,
    tvrdidisk, inv_broj_monitor, monitor_vrsta, monitor_proizvodac, monitor_velicina, sn_monitora,
    inv_broj_printer, printer_proizvodac, printer, sn_printer, os, oskey, office, officekey,
    antivirus, inv_broj_ostalo_1, ostalo_1_naziv, inv_broj_ostalo_2, ostalo_2_naziv,
    popis_aplikacija, auto_popis, dir_za_arhivu, datum_zadnje_arhive, zavrsno, nedovrseno,
    napomena, prijava, rdc)
SELECT IF(seq % 3 = 0, 'OMEGA', 'ALFA'),
    CONCAT('INV-', LPAD(seq, 5, '0')),
    ELT(1 + seq % 8, 'Čakovec', 'Šibenik', 'Požega', 'Đakovo', 'Zagreb', 'Varaždin', 'Križevci', 'Ožujsko'),
    ELT(1 + seq % 5, 'Računovodstvo', 'Uprava', 'Skladište', 'Služba nabave', 'Održavanje'),
    CONCAT(ELT(1 + seq % 7, 'Željko', 'Đurđica', 'Ivan', 'Snježana', 'Matej', 'Lucija', 'Tomislav'), ' ',
           ELT(1 + seq % 6, 'Čačić', 'Šimić', 'Horvat', 'Kovačević', 'Babić', 'Jurić')),
    ELT(1 + seq % 4, 'Referent za plaće', 'Voditelj skladišta', 'Tajništvo', 'Prijemni ured'),
    ELT(1 + seq % 3, 'Stolno', 'Prijenosno', 'Mini PC'),
    CONCAT('PC-', LPAD(seq, 4, '0')),
    CONCAT('Š', LPAD(seq * 7, 6, '0')),
    CONCAT('SN', LPAD(seq * 13, 8, '0')),
    ELT(1 + seq % 4, 'Intel i5-12400', 'Intel i3-10100', 'AMD Ryzen 5 5600G', 'Intel i7-12700'),
    ELT(1 + seq % 3, '8 GB', '16 GB', '32 GB'),
    ELT(1 + seq % 2, 'DDR4', 'DDR5'),
    ELT(1 + seq % 3, 'SSD 256 GB', 'SSD 512 GB', 'NVMe 1 TB'),
    CONCAT('MON-', LPAD(seq, 5, '0')),
    'LCD', ELT(1 + seq % 3, 'Dell', 'LG', 'Philips'), ELT(1 + seq % 3, '22"', '24"', '27"'),
    CONCAT('MSN', LPAD(seq * 3, 7, '0')),
    IF(seq % 4 = 0, CONCAT('PRN-', LPAD(seq, 5, '0')), ''),
    IF(seq % 4 = 0, 'HP', ''), IF(seq % 4 = 0, 'LaserJet M404', ''), IF(seq % 4 = 0, CONCAT('PSN', seq), ''),
    ELT(1 + seq % 3, 'Windows 10 Pro', 'Windows 11 Pro', 'Ubuntu 24.04'),
    CONCAT('XXXXX-', LPAD(seq, 5, '0')),
    ELT(1 + seq % 3, 'LibreOffice 24', 'Office 2021', 'Office 365'),
    CONCAT('OFF-', LPAD(seq, 5, '0')),
    ELT(1 + seq % 2, 'ESET Endpoint', 'Defender'),
    IF(seq % 5 = 0, CONCAT('OST-', seq), ''), IF(seq % 5 = 0, 'Skener dokumenata', ''),
    '', '',
    CONCAT('OS: ', ELT(1 + seq % 3, 'Windows 10 Pro', 'Windows 11 Pro', 'Ubuntu 24.04'), '; naziv: PC-', LPAD(seq, 4, '0')),
    'Preglednik, uredski paket, antivirus',
    CONCAT('D:\\Podaci\\', ELT(1 + seq % 5, 'Računovodstvo', 'Uprava', 'Skladište', 'Nabava', 'Održavanje')),
    CAST(TO_DAYS('2026-12-11') - TO_DAYS('1800-12-28') - seq % 60 AS CHAR),
    IF(seq % 4 = 1, 1, 0),
    IF(seq % 7 = 3, 1, 0),
    IF(seq % 9 = 0, 'Zamijeniti tipkovnicu; provjeriti čitač kartica', ''),
    '',
    CONCAT('RDC-', 100000 + seq)
FROM seq_1_to_360;

-- 300 backup configurations; kor of reg_zezido holds at most 5 characters.
INSERT INTO reg_zezido (kor, inv_broj, lokacija, radnajedinica, djelatnik, popis_arhive,
    vrsta_arhive, datum_zadnje_arhive, datum_pred_zadnje_arhive, opis, ts)
SELECT IF(seq % 3 = 0, 'OMEGA', 'ALFA'),
    CONCAT('INV-', LPAD(seq, 5, '0')),
    ELT(1 + seq % 8, 'Čakovec', 'Šibenik', 'Požega', 'Đakovo', 'Zagreb', 'Varaždin', 'Križevci', 'Ožujsko'),
    ELT(1 + seq % 5, 'Računovodstvo', 'Uprava', 'Skladište', 'Služba nabave', 'Održavanje'),
    CONCAT(ELT(1 + seq % 7, 'Željko', 'Đurđica', 'Ivan', 'Snježana', 'Matej', 'Lucija', 'Tomislav'), ' ',
           ELT(1 + seq % 6, 'Čačić', 'Šimić', 'Horvat', 'Kovačević', 'Babić', 'Jurić')),
    CONCAT('D:\\Podaci; C:\\Users\\', ELT(1 + seq % 4, 'zeljko', 'djurdjica', 'ivan', 'snjezana'), '\\Dokumenti'),
    ELT(1 + seq % 3, 'Puna', 'Inkrementalna', 'Diferencijalna'),
    CAST(TO_DAYS('2026-12-11') - TO_DAYS('1800-12-28') - seq % 14 AS CHAR),
    CAST(TO_DAYS('2026-12-11') - TO_DAYS('1800-12-28') - seq % 14 - 7 AS CHAR),
    CONCAT('Zadatak ', seq, ': dnevna arhiva na NAS, čuvanje 30 dana'),
    TIMESTAMP('2026-12-11 08:00:00') - INTERVAL (seq * 37) MINUTE
FROM seq_1_to_300;

-- 400 reported backup runs.
INSERT INTO reg_zezido_log (kor, inv_broj, lokacija, radnajedinica, djelatnik, ts)
SELECT IF(seq % 3 = 0, 'OMEGA', 'ALFA'),
    CONCAT('INV-', LPAD(1 + seq % 300, 5, '0')),
    ELT(1 + seq % 8, 'Čakovec', 'Šibenik', 'Požega', 'Đakovo', 'Zagreb', 'Varaždin', 'Križevci', 'Ožujsko'),
    ELT(1 + seq % 5, 'Računovodstvo', 'Uprava', 'Skladište', 'Služba nabave', 'Održavanje'),
    CONCAT(ELT(1 + seq % 7, 'Željko', 'Đurđica', 'Ivan', 'Snježana', 'Matej', 'Lucija', 'Tomislav'), ' ',
           ELT(1 + seq % 6, 'Čačić', 'Šimić', 'Horvat', 'Kovačević', 'Babić', 'Jurić')),
    TIMESTAMP('2026-12-11 23:00:00') - INTERVAL (seq * 53) MINUTE
FROM seq_1_to_400;
