<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>Almanac</name>
    <message>
        <source>Az efemeriszfájlok nem fedik le ezt az időpontot: --%1 &quot;%2&quot; (a fájlok 1800.01.01-től 2399.12.31-ig tartanak, és a számítás hetekkel előtte és utána is olvas belőlük)</source>
        <translation>The ephemeris files do not cover this time: --%1 &quot;%2&quot; (the files run from 1800.01.01 to 2399.12.31, and the computation reads them weeks before and after it)</translation>
    </message>
    <message>
        <source>Ez a súgó.</source>
        <translation>This help.</translation>
    </message>
    <message>
        <source>A program változata.</source>
        <translation>The version of the program.</translation>
    </message>
    <message>
        <source>Földrajzi szélesség, fok (észak +), a --lon kapcsolóval együtt. Nélkülük a beállított megfigyelőhely számít.</source>
        <translation>Latitude, degrees (north +), together with --lon. Without them the configured observing site counts.</translation>
    </message>
    <message>
        <source>fok</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Földrajzi hosszúság, fok (kelet +), a --lat kapcsolóval együtt.</source>
        <translation>Longitude, degrees (east +), together with --lat.</translation>
    </message>
    <message>
        <source>Tengerszint feletti magasság, méter (-500 és 15000 között); a --lat/--lon mellett alapértelmezés 0.</source>
        <translation>Elevation above sea level, metres (between -500 and 15000); with --lat/--lon the default is 0.</translation>
    </message>
    <message>
        <source>IANA időzóna, például Europe/Budapest; alapértelmezés a beállított megfigyelőhelyé.</source>
        <translation>IANA time zone, for example Europe/Budapest; the default is the configured observing site&apos;s.</translation>
    </message>
    <message>
        <source>zóna</source>
        <translation>zone</translation>
    </message>
    <message>
        <source>Az efemeriszfájlok mappája.</source>
        <translation>The folder of the ephemeris files.</translation>
    </message>
    <message>
        <source>mappa</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Hibás --%1 érték: &quot;%2&quot; (%3 és %4 között kell lennie)</source>
        <translation>Wrong --%1 value: &quot;%2&quot; (it must be between %3 and %4)</translation>
    </message>
    <message>
        <source>A --lat és a --lon csak együtt adható meg.</source>
        <translation>--lat and --lon can only be given together.</translation>
    </message>
    <message>
        <source>Ismeretlen időzóna: &quot;%1&quot; (IANA név kell, például Europe/Budapest)</source>
        <translation>Unknown time zone: &quot;%1&quot; (an IANA name is needed, for example Europe/Budapest)</translation>
    </message>
    <message>
        <source>Efemeriszfájlok nélkül, a beépített Moshier-sorral számolok.</source>
        <translation>No ephemeris files: computing with the built-in Moshier series.</translation>
    </message>
    <message>
        <source>Ismeretlen lista: &quot;%1&quot; (lehet: ujholdak, holdsarlok, napfogyik, holdfogyik, venusz)</source>
        <translation>Unknown list: &quot;%1&quot; (one of: ujholdak, holdsarlok, napfogyik, holdfogyik, venusz)</translation>
    </message>
    <message>
        <source>A --from év (%1) nem lehet később, mint a --to év (%2)</source>
        <translation>The --from year (%1) cannot be later than the --to year (%2)</translation>
    </message>
    <message>
        <source>%1: a --from/--to után üres az évtartomány (%2-%3), kihagyva</source>
        <translation>%1: the year range after --from/--to is empty (%2-%3), skipped</translation>
    </message>
    <message>
        <source>%1: %2 - a fájl nem készült el</source>
        <translation>%1: %2 - the file was not made</translation>
    </message>
    <message numerus="yes">
        <source>%n sor</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message>
        <source>Első év (helyi idő szerint).</source>
        <translation>First year (in local time).</translation>
    </message>
    <message>
        <source>év</source>
        <translation>year</translation>
    </message>
    <message>
        <source>Utolsó év (helyi idő szerint).</source>
        <translation>Last year (in local time).</translation>
    </message>
    <message>
        <source>A célmappa (alapértelmezés: a munkamappa).</source>
        <translation>The target folder (default: the working folder).</translation>
    </message>
    <message>
        <source>Csak ezek a listák, vesszővel elválasztva.</source>
        <translation>Only these lists, separated by commas.</translation>
    </message>
    <message>
        <source>listák</source>
        <translation>lists</translation>
    </message>
    <message>
        <source>lista</source>
        <translation>list</translation>
    </message>
    <message>
        <source>ujholdak, holdsarlok, napfogyik, holdfogyik vagy venusz.</source>
        <translation>ujholdak, holdsarlok, napfogyik, holdfogyik or venusz.</translation>
    </message>
    <message>
        <source>[lista...]</source>
        <translation>[list...]</translation>
    </message>
    <message>
        <source>A célmappa nem hozható létre: %1</source>
        <translation>The target folder cannot be created: %1</translation>
    </message>
    <message>
        <source>A Tavik adatfájljai (ujholdak, holdsarlok, napfogyik, holdfogyik, venusz) a Swiss Ephemeris-szel.
Alapértelmezés: a beállított megfigyelőhely ($XDG_CONFIG_HOME/tavik/tavik.conf, ahogy a Tavik
Megfigyelőhely ablaka menti), enélkül Budapest (É 47,4979°, K 19,0402°, 100 m, Europe/Budapest idő),
és mind az öt fájl.
Egy megfigyelés körülményei: tavik-almanac sighting --at &quot;2025.05.27 21:05&quot; (lásd: sighting --help).
A holdsarló láthatóságának világtérképe: tavik-almanac map --date 2025.05.27 (lásd: map --help).
Az észlelési napló: tavik-almanac log list (lásd: log --help).
A hidzsra hónapok egy szabály szerint: tavik-almanac calendar --rule ummalqura --from 1446 (lásd: calendar --help).
Kilépési kód: 0 kész, 1 hibás kapcsoló vagy efemeriszmappa, 2 egy lista nem készült el.</source>
        <translation>The data files of Tavik (ujholdak, holdsarlok, napfogyik, holdfogyik, venusz) with the Swiss Ephemeris.
Default: the configured observing site ($XDG_CONFIG_HOME/tavik/tavik.conf, as Tavik&apos;s
Observing site window saves it), without it Budapest (N 47.4979°, E 19.0402°, 100 m, Europe/Budapest time),
and all five files.
The circumstances of an observation: tavik-almanac sighting --at &quot;2025.05.27 21:05&quot; (see: sighting --help).
The world map of crescent visibility: tavik-almanac map --date 2025.05.27 (see: map --help).
The observation logbook: tavik-almanac log list (see: log --help).
The Hijri months by a rule: tavik-almanac calendar --rule ummalqura --from 1446 (see: calendar --help).
Exit code: 0 done, 1 wrong option or ephemeris folder, 2 a list was not made.</translation>
    </message>
</context>
<context>
    <name>CalendarCommand</name>
    <message>
        <source>Hibás --%1 év: &quot;%2&quot; - hidzsra év kell %3 és %4 között (az efemeriszfájlok 1800 és 2399 között tartanak)</source>
        <translation>Wrong --%1 year: &quot;%2&quot; - a Hijri year between %3 and %4 is needed (the ephemeris files run from 1800 to 2399)</translation>
    </message>
    <message>
        <source>A hidzsra hónapok kezdőnapjai egy szabály szerint; az évek hidzsra évek.
Szabályok: ummalqura (Szaúd-Arábia, Mekka), istanbul (2016, az egész Föld), mabims (2021, a helyen),
yallop és odeh (a holdsarló láthatósága a helyen; --optical: távcsővel is).
Kilépési kód: 0 kész, 2 hibás bemenet (semmi sem íródik), 3 az efemerisz hibája, 4 az --ics fájl nem írható.</source>
        <translation>The first days of the Hijri months by a rule; the years are Hijri years.
Rules: ummalqura (Saudi Arabia, Mecca), istanbul (2016, the whole Earth), mabims (2021, at the site),
yallop and odeh (the crescent&apos;s visibility at the site; --optical: with optical aid too).
Exit code: 0 done, 2 bad input (nothing is written), 3 a fault of the ephemeris, 4 the --ics file cannot be written.</translation>
    </message>
    <message>
        <source>A szabály: ummalqura, istanbul, mabims, yallop vagy odeh.</source>
        <translation>The rule: ummalqura, istanbul, mabims, yallop or odeh.</translation>
    </message>
    <message>
        <source>szabály</source>
        <translation>rule</translation>
    </message>
    <message>
        <source>Első hidzsra év.</source>
        <translation>First Hijri year.</translation>
    </message>
    <message>
        <source>év</source>
        <translation>year</translation>
    </message>
    <message>
        <source>Utolsó hidzsra év (alapértelmezés: az első).</source>
        <translation>Last Hijri year (default: the first).</translation>
    </message>
    <message>
        <source>Távcsővel látható holdsarló is elég (Yallop C, Odeh B).</source>
        <translation>A crescent seen with optical aid is enough too (Yallop C, Odeh B).</translation>
    </message>
    <message>
        <source>Tabulátorral tagolt sorok fejléccel a táblázat helyett.</source>
        <translation>Tab-separated lines with a header instead of the table.</translation>
    </message>
    <message>
        <source>iCalendar fájl (RFC 5545) írása.</source>
        <translation>Writes an iCalendar file (RFC 5545).</translation>
    </message>
    <message>
        <source>fájl</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Ismeretlen --rule szabály: &quot;%1&quot; (lehet: ummalqura, istanbul, mabims, yallop, odeh)</source>
        <translation>Unknown --rule: &quot;%1&quot; (one of: ummalqura, istanbul, mabims, yallop, odeh)</translation>
    </message>
    <message>
        <source>Hiányzik a --from év, például --from 1446</source>
        <translation>The --from year is missing, for example --from 1446</translation>
    </message>
    <message>
        <source>A --from év (%1) nem lehet később, mint a --to év (%2)</source>
        <translation>The --from year (%1) cannot be later than the --to year (%2)</translation>
    </message>
</context>
<context>
    <name>LogCommand</name>
    <message>
        <source>Semmi sem került a naplóba.</source>
        <translation>Nothing was added to the logbook.</translation>
    </message>
    <message>
        <source>legjobb időpont</source>
        <translation>best time</translation>
    </message>
    <message>
        <source>este</source>
        <translation>evening</translation>
    </message>
    <message>
        <source>hajnal</source>
        <translation>dawn</translation>
    </message>
    <message>
        <source>kor %1 óra</source>
        <translation>age %1 h</translation>
    </message>
    <message>
        <source>késés %1 perc</source>
        <translation>lag %1 min</translation>
    </message>
    <message>
        <source>még nincs</source>
        <translation>none yet</translation>
    </message>
    <message>
        <source>; világrekord: %1</source>
        <translation>; world record: %1</translation>
    </message>
    <message>
        <source>Helyes: %1 / %2</source>
        <translation>Correct: %1 / %2</translation>
    </message>
    <message>
        <source>Yallop-osztály × eredmény</source>
        <translation>Yallop class × result</translation>
    </message>
    <message>
        <source>Odeh-zóna × eredmény</source>
        <translation>Odeh zone × result</translation>
    </message>
    <message>
        <source>Hibás vagy hiányzó --date: &quot;%1&quot; (ÉÉÉÉ-HH-NN kell, például 2025-05-27)</source>
        <translation>Wrong or missing --date: &quot;%1&quot; (YYYY-MM-DD needed, for example 2025-05-27)</translation>
    </message>
    <message>
        <source>Hibás --time: &quot;%1&quot; (ÓÓ:PP kell, például 20:55)</source>
        <translation>Wrong --time: &quot;%1&quot; (HH:MM needed, for example 20:55)</translation>
    </message>
    <message>
        <source>Hibás vagy hiányzó --result: &quot;%1&quot; (lehet: naked-eye, binoculars, telescope, camera, not-seen)</source>
        <translation>Wrong or missing --result: &quot;%1&quot; (one of: naked-eye, binoculars, telescope, camera, not-seen)</translation>
    </message>
    <message>
        <source>Hibás --sky: &quot;%1&quot; (lehet: clear, haze, thin-cloud, cloudy, dust)</source>
        <translation>Wrong --sky: &quot;%1&quot; (one of: clear, haze, thin-cloud, cloudy, dust)</translation>
    </message>
    <message>
        <source>Rögzítve (%1. észlelés).</source>
        <translation>Recorded (sighting %1).</translation>
    </message>
    <message>
        <source>Az észlelési napló: minden holdsarló-észlelés a körülményeivel, ellenőrizve.
Parancsok: import FÁJL.csv, export FÁJL.csv, list, add, records (saját rekordok), score (a feltételek
az én egemen). A napló alapértelmezése $XDG_DATA_HOME/tavik/eszlelesek.sqlite
(~/.local/share/tavik/eszlelesek.sqlite); az első íráskor készül el.
Az add a --lat/--lon/--elevation/--tz nélkül a beállított megfigyelőhelyet veszi.
Kilépési kód: 0 kész, 1 hibás kapcsoló, 2 hibás bemenet (a CSV egy sora, dátum, eredmény) vagy nem
olvasható, nem írható napló - ilyenkor a napló változatlan -, 3 az efemerisz hibája.</source>
        <translation>The observation logbook: every crescent sighting with its circumstances, checked.
Commands: import FILE.csv, export FILE.csv, list, add, records (personal records), score (the criteria
under my sky). The logbook defaults to $XDG_DATA_HOME/tavik/eszlelesek.sqlite
(~/.local/share/tavik/eszlelesek.sqlite); it is created on the first write.
Without --lat/--lon/--elevation/--tz, add takes the configured observing site.
Exit code: 0 done, 1 wrong option, 2 wrong input (a CSV line, date, result) or a logbook that
cannot be read or written - the logbook is then unchanged -, 3 an ephemeris fault.</translation>
    </message>
    <message>
        <source>A napló fájlja (alapértelmezés: ~/.local/share/tavik/eszlelesek.sqlite).</source>
        <translation>The logbook file (default: ~/.local/share/tavik/eszlelesek.sqlite).</translation>
    </message>
    <message>
        <source>fájl</source>
        <translation>file</translation>
    </message>
    <message>
        <source>JSON a szöveg helyett (list, records, score).</source>
        <translation>JSON instead of text (list, records, score).</translation>
    </message>
    <message>
        <source>Az észlelés (helyi) napja, ÉÉÉÉ-HH-NN (add).</source>
        <translation>The (local) day of the sighting, YYYY-MM-DD (add).</translation>
    </message>
    <message>
        <source>dátum</source>
        <translation>date</translation>
    </message>
    <message>
        <source>Az első megpillantás helyi ideje, ÓÓ:PP; nélküle a legjobb időpont (add).</source>
        <translation>Local time of the first glimpse, HH:MM; without it, the best time (add).</translation>
    </message>
    <message>
        <source>idő</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Hajnali (óhold) sarló az esti helyett (add).</source>
        <translation>A dawn (old Moon) crescent instead of an evening one (add).</translation>
    </message>
    <message>
        <source>naked-eye, binoculars, telescope, camera vagy not-seen (add).</source>
        <translation>naked-eye, binoculars, telescope, camera or not-seen (add).</translation>
    </message>
    <message>
        <source>eredmény</source>
        <translation>result</translation>
    </message>
    <message>
        <source>A hely neve (add).</source>
        <translation>The name of the place (add).</translation>
    </message>
    <message>
        <source>név</source>
        <translation>name</translation>
    </message>
    <message>
        <source>A megfigyelő (add).</source>
        <translation>The observer (add).</translation>
    </message>
    <message>
        <source>A műszer, szabad szöveg (add).</source>
        <translation>The instrument, free text (add).</translation>
    </message>
    <message>
        <source>szöveg</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Az ég: clear, haze, thin-cloud, cloudy vagy dust (add).</source>
        <translation>The sky: clear, haze, thin-cloud, cloudy or dust (add).</translation>
    </message>
    <message>
        <source>ég</source>
        <translation>sky</translation>
    </message>
    <message>
        <source>Megjegyzés (add).</source>
        <translation>Note (add).</translation>
    </message>
    <message>
        <source>import, export, list, add, records vagy score.</source>
        <translation>import, export, list, add, records or score.</translation>
    </message>
    <message>
        <source>Használat: tavik-almanac log [--db FÁJL] import|export FÁJL.csv, vagy list, add, records, score (lásd: log --help)</source>
        <translation>Usage: tavik-almanac log [--db FILE] import|export FILE.csv, or list, add, records, score (see: log --help)</translation>
    </message>
    <message>
        <source>parancs</source>
        <translation>command</translation>
    </message>
    <message>
        <source>parancs [FÁJL.csv]</source>
        <translation>command [FILE.csv]</translation>
    </message>
    <message>
        <source>Betöltés:</source>
        <translation>Importing:</translation>
    </message>
    <message numerus="yes">
        <source>További hibás sorok is vannak; az első %n látható.</source>
        <translation>
            <numerusform>There are more bad lines; the first %n is shown.</numerusform>
            <numerusform>There are more bad lines; the first %n are shown.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n új észlelés került a naplóba (%1)</source>
        <translation>
            <numerusform>%n new attempt was added to the logbook (%1)</numerusform>
            <numerusform>%n new attempts were added to the logbook (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n már benne volt.</source>
        <translation>
            <numerusform>; %n was already there.</numerusform>
            <numerusform>; %n were already there.</numerusform>
        </translation>
    </message>
    <message>
        <source>Mentés:</source>
        <translation>Exporting:</translation>
    </message>
    <message>
        <source>A CSV-fájl (%1) maga a napló; nem íródott semmi.</source>
        <translation>The CSV file (%1) is the logbook itself; nothing was written.</translation>
    </message>
    <message numerus="yes">
        <source>%n sérült észlelés nem olvasható, kimaradt a CSV-ből: %1.</source>
        <translation>
            <numerusform>%n damaged attempt cannot be read and was left out of the CSV: %1.</numerusform>
            <numerusform>%n damaged attempts cannot be read and were left out of the CSV: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kimaradt %n felhős ég alatt nem látott észlelés.</source>
        <translation>
            <numerusform>%n attempt not seen under a cloudy sky was left out.</numerusform>
            <numerusform>%n attempts not seen under a cloudy sky were left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ebből párás, vékony felhős vagy poros ég alatt: Yallop %1 / %3, Odeh %2 / %3.</source>
        <translation>Of these, under haze, thin cloud or dust: Yallop %1 / %3, Odeh %2 / %3.</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>szabad szemmel</source>
        <translation>naked eye</translation>
    </message>
    <message>
        <source>binokulárral</source>
        <translation>binoculars</translation>
    </message>
    <message>
        <source>távcsővel</source>
        <translation>telescope</translation>
    </message>
    <message>
        <source>fényképen</source>
        <translation>camera</translation>
    </message>
    <message>
        <source>nem látszott</source>
        <translation>not seen</translation>
    </message>
    <message>
        <source>nincs megadva</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>tiszta</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>párás</source>
        <translation>haze</translation>
    </message>
    <message>
        <source>vékony felhő</source>
        <translation>thin cloud</translation>
    </message>
    <message>
        <source>felhős</source>
        <translation>cloudy</translation>
    </message>
    <message>
        <source>poros</source>
        <translation>dust</translation>
    </message>
    <message>
        <source>A megadott időpontban a Hold a látóhatár alatt volt, már lenyugodott.</source>
        <translation>At the given time the Moon was below the horizon; it had already set.</translation>
    </message>
    <message>
        <source>A megadott időpontban a Hold a látóhatár alatt volt, még nem kelt fel.</source>
        <translation>At the given time the Moon was below the horizon; it had not yet risen.</translation>
    </message>
    <message>
        <source>Aznap este a Hold a Nap előtt nyugodott le.</source>
        <translation>That evening the Moon set before the Sun.</translation>
    </message>
    <message>
        <source>Aznap reggel a Hold a Nap után kelt fel.</source>
        <translation>That morning the Moon rose after the Sun.</translation>
    </message>
    <message>
        <source>Esti sarló az együttállás előtt: akkor még nem volt újhold.</source>
        <translation>An evening crescent before the conjunction: there was no new moon yet.</translation>
    </message>
    <message>
        <source>Hajnali sarló az együttállás után: akkor már elmúlt az újhold.</source>
        <translation>A dawn crescent after the conjunction: the new moon had already passed.</translation>
    </message>
    <message>
        <source>Szabad szemmel, pedig Odeh D zónája szerint még távcsővel sem látható.</source>
        <translation>Naked eye, although Odeh&apos;s zone D says it is not visible even by optical aid.</translation>
    </message>
    <message>
        <source>Szabad szemmel, pedig a Nap-Hold távolság kisebb a Danjon-határnál (6,4°).</source>
        <translation>Naked eye, although the Sun-Moon distance is below the Danjon limit (6.4°).</translation>
    </message>
    <message>
        <source>Fiatalabb sarló, mint az eszközével elért világrekord.</source>
        <translation>A younger crescent than the world record for its means.</translation>
    </message>
    <message>
        <source>Az együttálláshoz közelebbi óhold, mint az eszközével elért világrekord.</source>
        <translation>An old Moon closer to the conjunction than the world record for its means.</translation>
    </message>
    <message>
        <source>%1. sor</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>A CSV-fájl nem UTF-8 szöveg (%1).</source>
        <translation>The CSV file is not UTF-8 text (%1).</translation>
    </message>
    <message>
        <source>A CSV-fájl üres: hiányzik a fejléc sora.</source>
        <translation>The CSV file is empty: the header line is missing.</translation>
    </message>
    <message>
        <source>%1: egy idézőjeles mező nem zárul le a fájl végéig.</source>
        <translation>%1: a quoted field is not closed before the end of the file.</translation>
    </message>
    <message>
        <source>A fejlécben ismeretlen oszlop: „%1”.</source>
        <translation>Unknown column in the header: “%1”.</translation>
    </message>
    <message>
        <source>A fejlécben kétszer szerepel a(z) „%1” oszlop.</source>
        <translation>The column “%1” appears twice in the header.</translation>
    </message>
    <message>
        <source>A fejlécből hiányzik a(z) „%1” oszlop.</source>
        <translation>The column “%1” is missing from the header.</translation>
    </message>
    <message>
        <source>%1: %2 mező áll benne, a fejlécben %3.</source>
        <translation>%1: it has %2 fields, the header %3.</translation>
    </message>
    <message>
        <source>%1, %2 mező: „%3” nem olvasható (dátum ÉÉÉÉ-HH-NN, idő ÓÓ:PP, szám tizedesponttal).</source>
        <translation>%1, field %2: “%3” cannot be read (date YYYY-MM-DD, time HH:MM, number with a decimal point).</translation>
    </message>
    <message>
        <source>%1, %2 mező: „%3” kívül esik a megengedett tartományon (%4).</source>
        <translation>%1, field %2: “%3” is outside the allowed range (%4).</translation>
    </message>
    <message>
        <source>%1, %2 mező: ismeretlen érték „%3” (lehet: %4).</source>
        <translation>%1, field %2: unknown value “%3” (one of: %4).</translation>
    </message>
    <message>
        <source>%1, %2 mező: ismeretlen időzóna „%3” (IANA név, például Europe/Budapest, vagy UTC).</source>
        <translation>%1, field %2: unknown time zone “%3” (an IANA name, for example Europe/Budapest, or UTC).</translation>
    </message>
    <message>
        <source> (legjobb időpont)</source>
        <translation> (best time)</translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hely</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Eredmény</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Kor (óra)</source>
        <translation>Age (h)</translation>
    </message>
    <message>
        <source>Késés (perc)</source>
        <translation>Lag (min)</translation>
    </message>
    <message>
        <source>Yallop q</source>
        <translation>Yallop q</translation>
    </message>
    <message>
        <source>Odeh V</source>
        <translation>Odeh V</translation>
    </message>
    <message>
        <source>Jelzések</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Az észlelési napló nem nyitható meg: hiányzik a Qt SQLite-illesztője (a libqt6sql6-sqlite csomag).</source>
        <translation>The observation logbook cannot be opened: Qt&apos;s SQLite driver is missing (the libqt6sql6-sqlite package).</translation>
    </message>
    <message>
        <source>Az észlelési napló mappája (%1) nem hozható létre.</source>
        <translation>The folder of the observation logbook (%1) cannot be created.</translation>
    </message>
    <message>
        <source>Az észlelési napló (%1) nem írható: megtelt a lemez. A napló a korábbi tartalmával megmaradt, semmi sem veszett el.</source>
        <translation>The observation logbook (%1) cannot be written: the disk is full. The logbook keeps its earlier contents; nothing was lost.</translation>
    </message>
    <message>
        <source>Az észlelési napló (%1) nem írható: a fájl, a mappája vagy a lemez csak olvasható, vagy nincs hozzá jogosultság.</source>
        <translation>The observation logbook (%1) cannot be written: the file, its folder or the disk is read-only, or there is no permission.</translation>
    </message>
    <message>
        <source>Az észlelési napló (%1) sérült, vagy nem is napló. A fájlt a program nem módosítja.</source>
        <translation>The observation logbook (%1) is damaged, or not a logbook at all. The program does not change the file.</translation>
    </message>
    <message>
        <source>Az észlelési naplót (%1) a Tavik egy újabb változata írta (%2. változat); ez a változat nem módosítja.</source>
        <translation>The observation logbook (%1) was written by a newer version of Tavik (version %2); this version does not change it.</translation>
    </message>
    <message>
        <source>Az észlelési naplót (%1) egy másik program éppen írja; próbálja újra később.</source>
        <translation>Another program is writing the observation logbook (%1) right now; try again later.</translation>
    </message>
    <message>
        <source>Az észlelési napló (%1) nem érhető el (SQLite: %2). A napló a korábbi tartalmával megmaradt.</source>
        <translation>The observation logbook (%1) cannot be reached (SQLite: %2). The logbook keeps its earlier contents.</translation>
    </message>
    <message>
        <source>Legfiatalabb sarló szabad szemmel</source>
        <translation>Youngest crescent, naked eye</translation>
    </message>
    <message>
        <source>Legfiatalabb sarló binokulárral vagy távcsővel</source>
        <translation>Youngest crescent, binoculars or telescope</translation>
    </message>
    <message>
        <source>Legfiatalabb sarló fényképen</source>
        <translation>Youngest crescent, camera</translation>
    </message>
    <message>
        <source>Legrövidebb késés</source>
        <translation>Shortest lag</translation>
    </message>
    <message>
        <source>Legkisebb ARCL</source>
        <translation>Smallest ARCL</translation>
    </message>
    <message>
        <source>%1 perc</source>
        <translation>%1 min</translation>
    </message>
    <message numerus="yes">
        <source>%n jelzés</source>
        <translation>
            <numerusform>%n flag</numerusform>
            <numerusform>%n flags</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 mező: „%3” kívül esik az efemerisz-fájlok időszakán.</source>
        <translation>%1, field %2: “%3” lies outside the period of the ephemeris files.</translation>
    </message>
    <message>
        <source>Az észlelési napló (%1) nem hozható létre: megtelt a lemez. Nem maradt utána fájl.</source>
        <translation>The observing logbook (%1) cannot be created: the disk is full. No file was left behind.</translation>
    </message>
    <message>
        <source>Az észlelést (%1.) közben törölték az észlelési naplóból (%2), egy másik ablakban vagy programban; a változtatás nem került a naplóba.</source>
        <translation>Attempt %1 was deleted from the observing logbook (%2) meanwhile, in another window or program; the change was not saved.</translation>
    </message>
    <message>
        <source>A(z) %1 egy másik program SQLite-adatbázisa, nem a Tavik észlelési naplója. A fájlt a program nem módosítja.</source>
        <translation>%1 is another program&apos;s SQLite database, not a Tavik observing logbook. The program does not change the file.</translation>
    </message>
    <message>
        <source>Nincs észlelési napló: %1. Semmi sem készült.</source>
        <translation>There is no observing logbook at %1. Nothing was written.</translation>
    </message>
    <message>
        <source>Helyes az előrejelzés, ha a szabad szemmel látott sarló Yallop A–C osztályába, illetve Odeh A–B zónájába esett; ha a binokulárral, távcsővel vagy fényképen látott sarló Yallop A–D osztályába, illetve Odeh A–C zónájába; és ha a nem látott sarló Yallop D–F osztályába, illetve Odeh C–D zónájába, ahol szabad szemmel nem várható. A felhős ég alatt nem látott sarló nem próbája a feltételeknek, kimarad; a párás, vékony felhős és poros ég alatti észlelések külön is szerepelnek. A q és a V a megfigyelés időpontjában (idő nélkül a legjobb időpontban) számolt.</source>
        <translation>The prediction is correct if a crescent seen by naked eye fell into Yallop&apos;s classes A–C or Odeh&apos;s zones A–B; if a crescent seen with binoculars, a telescope or a camera fell into Yallop&apos;s classes A–D or Odeh&apos;s zones A–C; and if a crescent not seen fell into Yallop&apos;s classes D–F or Odeh&apos;s zones C–D, where the naked eye could not expect it. A crescent not seen under a cloudy sky is no test of the criteria and is left out; attempts under haze, thin cloud or dust are also shown apart. q and V are computed at the time of the observation (without a time, at the best time).</translation>
    </message>
</context>
<context>
    <name>LunarMonths</name>
    <message>
        <source>hu_HU</source>
        <comment>the locale of the numbers</comment>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>Moharrem</source>
        <translation>Muharram</translation>
    </message>
    <message>
        <source>Szafar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabí al-avval</source>
        <translation>Rabi&apos; al-Awwal</translation>
    </message>
    <message>
        <source>Rabí asz-száni</source>
        <translation>Rabi&apos; al-Thani</translation>
    </message>
    <message>
        <source>Dzsumáda l-úla</source>
        <translation>Jumada al-Ula</translation>
    </message>
    <message>
        <source>Dzsumáda l-áhira</source>
        <translation>Jumada al-Akhirah</translation>
    </message>
    <message>
        <source>Radzsab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sabán</source>
        <translation>Sha&apos;ban</translation>
    </message>
    <message>
        <source>Ramadán</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Savvál</source>
        <translation>Shawwal</translation>
    </message>
    <message>
        <source>Dzul-kaada</source>
        <translation>Dhu al-Qi&apos;dah</translation>
    </message>
    <message>
        <source>Dzul-hiddzsa</source>
        <translation>Dhu al-Hijjah</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Isztambul 2016</source>
        <translation>Istanbul 2016</translation>
    </message>
    <message>
        <source>MABIMS 2021</source>
        <translation>MABIMS 2021</translation>
    </message>
    <message>
        <source>Yallop (helyi)</source>
        <translation>Yallop (local)</translation>
    </message>
    <message>
        <source>Odeh (helyi)</source>
        <translation>Odeh (local)</translation>
    </message>
    <message>
        <source>Szaúd-Arábia polgári naptára: a hónap 29. napján Mekkában, ha az együttállás napnyugta előtt van, és a Hold a Nap után nyugszik, másnap kezdődik az új hónap; különben 30 napos a hónap.</source>
        <translation>Saudi Arabia&apos;s civil calendar: on the 29th day of a month at Mecca, if the conjunction comes before sunset and the Moon sets after the Sun, the new month begins the next day; otherwise the month has 30 days.</translation>
    </message>
    <message>
        <source>A 2016-os isztambuli kongresszus egységes naptára (Diyanet): másnap kezdődik a hónap, ha 24:00 UT előtt valahol a Földön napnyugtakor az elongáció legalább 8°, a Hold magassága legalább 5°; vagy ha csak utána, Amerika szárazföldjén, és az együttállás Új-Zélandon hajnal előtt van.</source>
        <translation>The unified calendar of the 2016 Istanbul congress (Diyanet): the month begins the next day if, before 24:00 UT, somewhere on Earth at sunset the elongation is at least 8° and the Moon&apos;s altitude at least 5°; or if only after it, on the mainland of the Americas, with the conjunction before dawn in New Zealand.</translation>
    </message>
    <message>
        <source>Brunei, Indonézia, Malajzia és Szingapúr 2021-es feltétele: a 29. napon napnyugtakor a Hold magassága legalább 3°, a (geocentrikus) elongáció legalább 6,4° a helyen.</source>
        <translation>The 2021 criterion of Brunei, Indonesia, Malaysia and Singapore: on the 29th day at sunset, the Moon&apos;s altitude at least 3° and the (geocentric) elongation at least 6.4° at the site.</translation>
    </message>
    <message>
        <source>A helyen látható holdsarló: a 29. napon este Yallop A vagy B (távcsővel C is), különben 30 napos a hónap.</source>
        <translation>The crescent seen at the site: on the evening of the 29th day Yallop A or B (with optical aid C too); otherwise the month has 30 days.</translation>
    </message>
    <message>
        <source>A helyen látható holdsarló: a 29. napon este Odeh A (távcsővel B is), különben 30 napos a hónap.</source>
        <translation>The crescent seen at the site: on the evening of the 29th day Odeh A (with optical aid B too); otherwise the month has 30 days.</translation>
    </message>
    <message>
        <source>%3. %2 %1.</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 perc</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>q %1</source>
        <translation>q %1</translation>
    </message>
    <message>
        <source>V %1</source>
        <translation>V %1</translation>
    </message>
    <message>
        <source>Határeset: a szabály %1 különbséggel dőlt el (%2, %3 UT); a hivatalos naptár egy nappal eltérhet.</source>
        <translation>Borderline: the rule was decided by %1 (%2, %3 UT); the official calendar may differ by a day.</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4 %5 %6</source>
        <translation>%1 %2 %3 %4 %5 %6</translation>
    </message>
    <message>
        <source>Hónap</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Első nap</source>
        <translation>First day</translation>
    </message>
    <message>
        <source>Nap</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Együttállás (UT)</source>
        <translation>Conjunction (UT)</translation>
    </message>
    <message>
        <source>Különbség</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Megjegyzés</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>határeset</source>
        <translation>borderline</translation>
    </message>
    <message>
        <source>kézzel %1 nap</source>
        <translation>moved by hand %1 days</translation>
    </message>
    <message>
        <source>az előző igazítást követi</source>
        <translation>follows the earlier move</translation>
    </message>
    <message>
        <source>Együttállás: %1 UT.</source>
        <translation>Conjunction: %1 UT.</translation>
    </message>
    <message>
        <source>Kézzel igazítva: %1 nap.</source>
        <translation>Moved by hand: %1 days.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Holdsarló-este: Yallop %1 (%2)</source>
        <translation>Crescent evening: Yallop %1 (%2)</translation>
    </message>
    <message>
        <source>A legjobb időpont a holdsarló keresésére; q = %1.</source>
        <translation>The best time to look for the crescent; q = %1.</translation>
    </message>
</context>
<context>
    <name>MapCommand</name>
    <message>
        <source>A --out kép kiterjesztése (&quot;%1&quot;) nem ismert képformátum; lehet: %2
</source>
        <translation>The extension of the --out picture (&quot;%1&quot;) is not a known picture format; it can be: %2
</translation>
    </message>
    <message>
        <source>A --out kép és a --table táblázat ugyanaz a fájl: &quot;%1&quot; - a táblázat felülírná a képet.
</source>
        <translation>The --out picture and the --table table are the same file: &quot;%1&quot; - the table would overwrite the picture.
</translation>
    </message>
    <message>
        <source>A --date napján (%1.) nincs holdsarló: a legközelebbi együttállás %2 UT. A térkép az együttállás előtti és utáni %3 napra készül.
</source>
        <translation>There is no crescent on the --date day (%1): the nearest conjunction is at %2 UT. Maps are drawn for the %3 days before and after a conjunction.
</translation>
    </message>
    <message>
        <source>Hibás --date dátum: &quot;%1&quot; - például 2025.05.27</source>
        <translation>Wrong --date: &quot;%1&quot; - for example 2025.05.27</translation>
    </message>
    <message>
        <source>Ismeretlen --criterion: &quot;%1&quot; (lehet: yallop, odeh)</source>
        <translation>Unknown --criterion: &quot;%1&quot; (one of: yallop, odeh)</translation>
    </message>
    <message>
        <source>Hibás --step rácsköz: &quot;%1&quot; (0,1 és 5 fok között kell lennie)</source>
        <translation>Wrong --step grid spacing: &quot;%1&quot; (it must be between 0.1 and 5 degrees)</translation>
    </message>
    <message>
        <source>Hiányzik a --date dátum, például --date 2025.05.27</source>
        <translation>The --date is missing, for example --date 2025.05.27</translation>
    </message>
    <message>
        <source>Világtérkép: hol látható a holdsarló a megadott nap estéjén (--morning: hajnalán).
Minden rácspontra napnyugta, holdnyugta, késés, legjobb időpont (napnyugta + 4/9 késés),
és Yallop q vagy Odeh V értéke és osztálya a legjobb időpontban. A térképen jelölt hely:
--lat és --lon, enélkül a beállított megfigyelőhely, vagy Budapest.
A kép formátuma a --out kiterjesztéséből adódik (png, jpg, bmp...). Az újholdtól 5 napnál
messzebb eső nap térképe nem készül.
Kilépési kód: 0 kész, 2 hibás bemenet (dátum, rácsköz, feltétel, hely, a --out és a --table
ugyanaz a fájl) vagy nem írható fájl - ilyenkor egyik fájl sem íródik -, 3 az efemerisz hibája.</source>
        <translation>World map: where the crescent is visible on the evening of the given day (--morning: at its dawn).
For every grid point sunset, moonset, lag, best time (sunset + 4/9 lag),
and the value and class of Yallop&apos;s q or Odeh&apos;s V at the best time. The place marked on the map:
--lat and --lon, without them the configured observing site, or Budapest.
The picture format follows the extension of --out (png, jpg, bmp...). No map is made for a day
more than 5 days from new moon.
Exit code: 0 done, 2 wrong input (date, grid spacing, criterion, place, --out and --table
the same file) or a file that cannot be written - then neither file is written -, 3 an ephemeris fault.</translation>
    </message>
    <message>
        <source>A nap, például 2025.05.27.</source>
        <translation>The day, for example 2025.05.27.</translation>
    </message>
    <message>
        <source>dátum</source>
        <translation>date</translation>
    </message>
    <message>
        <source>A hajnali (óhold) sarló térképe az esti helyett.</source>
        <translation>The map of the dawn (old Moon) crescent instead of the evening one.</translation>
    </message>
    <message>
        <source>yallop (alapértelmezés) vagy odeh.</source>
        <translation>yallop (default) or odeh.</translation>
    </message>
    <message>
        <source>feltétel</source>
        <translation>criterion</translation>
    </message>
    <message>
        <source>Rácsköz fokban, 0,1-5 (alapértelmezés: 0,5).</source>
        <translation>Grid spacing in degrees, 0.1-5 (default: 0.5).</translation>
    </message>
    <message>
        <source>fok</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>A kép (alapértelmezés: holdsarlo-ÉÉÉÉ-HH-NN.png).</source>
        <translation>The picture (default: holdsarlo-YYYY-MM-DD.png).</translation>
    </message>
    <message>
        <source>fájl</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Táblázat is, tabulátorral tagolt sorokkal.</source>
        <translation>A table too, in tab-separated lines.</translation>
    </message>
    <message>
        <source>A kép nem készíthető el (kevés a memória?)</source>
        <translation>The picture cannot be made (not enough memory?)</translation>
    </message>
    <message>
        <source>%1 x %2 pont, számítás %3 ms, összesen %4 ms</source>
        <translation>%1 x %2 points, computing %3 ms, in all %4 ms</translation>
    </message>
</context>
<context>
    <name>MapSheet</name>
    <message>
        <source>Holdsarló láthatósága – %1 – együttállás: %2 UT</source>
        <translation>Crescent visibility – %1 – conjunction: %2 UT</translation>
    </message>
    <message>
        <source>%1 hajnalban</source>
        <translation>%1 dawn</translation>
    </message>
    <message>
        <source>%1 este</source>
        <translation>%1 evening</translation>
    </message>
</context>
<context>
    <name>PlaceLabels</name>
    <message>
        <source>Budapest</source>
        <translation>Budapest</translation>
    </message>
    <message>
        <source>London</source>
        <translation>London</translation>
    </message>
    <message>
        <source>Párizs</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Moszkva</source>
        <translation>Moscow</translation>
    </message>
    <message>
        <source>Róma</source>
        <translation>Rome</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>Madrid</translation>
    </message>
    <message>
        <source>Bécs</source>
        <translation>Vienna</translation>
    </message>
    <message>
        <source>Varsó</source>
        <translation>Warsaw</translation>
    </message>
    <message>
        <source>Kijev</source>
        <translation>Kyiv</translation>
    </message>
    <message>
        <source>Bukarest</source>
        <translation>Bucharest</translation>
    </message>
    <message>
        <source>Belgrád</source>
        <translation>Belgrade</translation>
    </message>
    <message>
        <source>Prága</source>
        <translation>Prague</translation>
    </message>
    <message>
        <source>Pozsony</source>
        <translation>Bratislava</translation>
    </message>
    <message>
        <source>Zágráb</source>
        <translation>Zagreb</translation>
    </message>
    <message>
        <source>Ljubljana</source>
        <translation>Ljubljana</translation>
    </message>
    <message>
        <source>Athén</source>
        <translation>Athens</translation>
    </message>
    <message>
        <source>Isztambul</source>
        <translation>Istanbul</translation>
    </message>
    <message>
        <source>Stockholm</source>
        <translation>Stockholm</translation>
    </message>
    <message>
        <source>Oslo</source>
        <translation>Oslo</translation>
    </message>
    <message>
        <source>Helsinki</source>
        <translation>Helsinki</translation>
    </message>
    <message>
        <source>Reykjavík</source>
        <translation>Reykjavík</translation>
    </message>
    <message>
        <source>Lisszabon</source>
        <translation>Lisbon</translation>
    </message>
    <message>
        <source>Kairó</source>
        <translation>Cairo</translation>
    </message>
    <message>
        <source>Mekka</source>
        <translation>Mecca</translation>
    </message>
    <message>
        <source>Teherán</source>
        <translation>Tehran</translation>
    </message>
    <message>
        <source>Új-Delhi</source>
        <translation>New Delhi</translation>
    </message>
    <message>
        <source>Peking</source>
        <translation>Beijing</translation>
    </message>
    <message>
        <source>Tokió</source>
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Dzsakarta</source>
        <translation>Jakarta</translation>
    </message>
    <message>
        <source>Canberra</source>
        <translation>Canberra</translation>
    </message>
    <message>
        <source>Washington</source>
        <translation>Washington</translation>
    </message>
    <message>
        <source>Ottawa</source>
        <translation>Ottawa</translation>
    </message>
    <message>
        <source>Mexikóváros</source>
        <translation>Mexico City</translation>
    </message>
    <message>
        <source>Brazíliaváros</source>
        <translation>Brasília</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Pretoria</source>
        <translation>Pretoria</translation>
    </message>
    <message>
        <source>Nairobi</source>
        <translation>Nairobi</translation>
    </message>
    <message>
        <source>Abuja</source>
        <translation>Abuja</translation>
    </message>
    <message>
        <source>Rabat</source>
        <translation>Rabat</translation>
    </message>
    <message>
        <source>Wellington</source>
        <translation>Wellington</translation>
    </message>
</context>
<context>
    <name>Sighting</name>
    <message>
        <source>nincs (a Hold ezen az éjszakán nem nyugszik le)</source>
        <translation>none (the Moon does not set this night)</translation>
    </message>
    <message>
        <source>nincs (a Hold ezen a hajnalon nem kel fel, egész éjjel fent van)</source>
        <translation>none (the Moon does not rise this dawn; it is up all night)</translation>
    </message>
    <message>
        <source>a Nap legmélyebb pontja, a legsötétebb ég</source>
        <translation>the Sun&apos;s lowest point, the darkest sky</translation>
    </message>
    <message>
        <source>magasság %1 (fénytöréssel %2), azimut %3 - %4</source>
        <translation>altitude %1 (refracted %2), azimuth %3 - %4</translation>
    </message>
    <message>
        <source>esti sarló, az együttállás óta</source>
        <translation>evening crescent, since the conjunction</translation>
    </message>
    <message>
        <source>hajnali sarló, negatív: a következő együttállásig</source>
        <translation>dawn crescent, negative: until the next conjunction</translation>
    </message>
    <message>
        <source>Holdsarló-megfigyelés körülményei</source>
        <translation>Circumstances of a crescent sighting</translation>
    </message>
    <message>
        <source>%1 (%2), %3 UT</source>
        <translation>%1 (%2), %3 UT</translation>
    </message>
    <message>
        <source>nincs (a Hold a Nap előtt lenyugodott, és reggelig nem kel fel)</source>
        <translation>none (the Moon set before the Sun and does not rise before morning)</translation>
    </message>
    <message>
        <source>nincs (a Hold egész éjjel lent van, és csak a Nap után kel fel)</source>
        <translation>none (the Moon is down all night and rises only after the Sun)</translation>
    </message>
    <message>
        <source>nincs a közelében</source>
        <translation>none near it</translation>
    </message>
    <message>
        <source>nincs (%1)</source>
        <translation>none (%1)</translation>
    </message>
    <message>
        <source>Időpont</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Hely</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Együttállás előtte</source>
        <translation>Conjunction before</translation>
    </message>
    <message>
        <source>Együttállás utána</source>
        <translation>Conjunction after</translation>
    </message>
    <message>
        <source>A Hold kora</source>
        <translation>Age of the Moon</translation>
    </message>
    <message>
        <source>Nap</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>Napnyugta</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Napkelte</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Holdnyugta</source>
        <translation>Moonset</translation>
    </message>
    <message>
        <source>Holdkelte</source>
        <translation>Moonrise</translation>
    </message>
    <message>
        <source>Késés</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>ARCL</source>
        <translation>ARCL</translation>
    </message>
    <message>
        <source>ARCV</source>
        <translation>ARCV</translation>
    </message>
    <message>
        <source>DAZ</source>
        <translation>DAZ</translation>
    </message>
    <message>
        <source>W′ (sarló szélessége)</source>
        <translation>W′ (width)</translation>
    </message>
    <message>
        <source>Megvilágított rész</source>
        <translation>Illumination</translation>
    </message>
    <message>
        <source>Legjobb időpont</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>Yallop q</source>
        <translation>Yallop q</translation>
    </message>
    <message>
        <source>Odeh V</source>
        <translation>Odeh V</translation>
    </message>
    <message>
        <source>Rekordok</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>a Nap a látóhatár felett van</source>
        <translation>the Sun is above the horizon</translation>
    </message>
    <message>
        <source>a Nap lenyugodott</source>
        <translation>the Sun has set</translation>
    </message>
    <message>
        <source>a Nap még nem kelt fel</source>
        <translation>the Sun has not risen yet</translation>
    </message>
    <message>
        <source>a Nap egész nap a látóhatár alatt van</source>
        <translation>the Sun is below the horizon all day</translation>
    </message>
    <message>
        <source>nincs napnyugta</source>
        <translation>no sunset</translation>
    </message>
    <message>
        <source>nincs napkelte</source>
        <translation>no sunrise</translation>
    </message>
    <message>
        <source>nincs holdnyugta</source>
        <translation>no moonset</translation>
    </message>
    <message>
        <source>nincs holdkelte</source>
        <translation>no moonrise</translation>
    </message>
    <message>
        <source>a Hold a Nap előtt nyugszik</source>
        <translation>the Moon sets before the Sun</translation>
    </message>
    <message>
        <source>a Hold a Nap után kel</source>
        <translation>the Moon rises after the Sun</translation>
    </message>
    <message>
        <source>szabad szemmel:</source>
        <translation>naked eye:</translation>
    </message>
    <message>
        <source>binokulárral:</source>
        <translation>binoculars:</translation>
    </message>
    <message>
        <source>távcsővel:</source>
        <translation>telescope:</translation>
    </message>
    <message>
        <source>fényképen:</source>
        <translation>camera:</translation>
    </message>
    <message>
        <source>%1 (%2 zóna: %3)</source>
        <translation>%1 (zone %2: %3)</translation>
    </message>
    <message>
        <source>nincs</source>
        <translation>none</translation>
    </message>
    <message>
        <source>a Hold a látóhatár felett van</source>
        <translation>the Moon is above the horizon</translation>
    </message>
    <message>
        <source>a Hold a látóhatár alatt van</source>
        <translation>the Moon is below the horizon</translation>
    </message>
    <message>
        <source>nincs (a Nap ezen a napon nem kel fel)</source>
        <translation>none (the Sun does not rise on this day)</translation>
    </message>
    <message>
        <source>nincs (a Nap ezen a napon nem nyugszik le)</source>
        <translation>none (the Sun does not set on this day)</translation>
    </message>
    <message>
        <source>napnyugta + 4/9 késés</source>
        <translation>sunset + 4/9 lag</translation>
    </message>
    <message>
        <source>napkelte - 4/9 késés</source>
        <translation>sunrise - 4/9 lag</translation>
    </message>
    <message>
        <source>a Hold nincs a látóhatár felett, amíg a Nap lent van</source>
        <translation>the Moon is not above the horizon while the Sun is down</translation>
    </message>
    <message>
        <source>a Hold kora a legjobb időpontban %1</source>
        <translation>age of the Moon at the best time %1</translation>
    </message>
    <message>
        <source>a sarló nem látható (%1), nem vethető össze a rekordokkal</source>
        <translation>the crescent is not visible (%1); it cannot be compared with the records</translation>
    </message>
    <message>
        <source>az együttállás pillanatában</source>
        <translation>at the moment of conjunction</translation>
    </message>
    <message>
        <source>: fiatalabb a rekordnál</source>
        <translation>: younger than the record</translation>
    </message>
    <message>
        <source>: nem rekord</source>
        <translation>: not a record</translation>
    </message>
    <message>
        <source>Irán</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Élancourt, Franciaország</source>
        <translation>Élancourt, France</translation>
    </message>
</context>
<context>
    <name>SightingCommand</name>
    <message>
        <source>Nincs A, B vagy C osztályú este vagy reggel 60 napon belül ezen a helyen</source>
        <translation>No evening or morning of class A, B or C within 60 days at this site</translation>
    </message>
    <message>
        <source>Idő nélküli dátum (--at 2025.05.28): a nap esti legjobb időpontja, fogyó Holdnál a reggeli.
--next: a következő esély --at (enélkül a mostani idő, dátumnál a nap kezdete) után: az első
este vagy reggel, amelynek legjobb időpontja későbbi, és Yallop osztálya a helyen A, B vagy C.
</source>
        <translation>A date without a time (--at 2025.05.28): the evening best time of the day, the morning one
for a waning Moon. --next: the next chance after --at (without it the current time, for a
date the start of the day): the first evening or morning whose best time is later and whose
Yallop class at the site is A, B or C.
</translation>
    </message>
    <message>
        <source>4 nincs esély 60 napon belül.</source>
        <translation>4 no chance within 60 days.</translation>
    </message>
    <message>
        <source>; dátum
egymagában: a nap legjobb időpontja.</source>
        <translation>; a date alone: the best time of the day.</translation>
    </message>
    <message>
        <source>A következő esély (A, B vagy C osztály) jelentése.</source>
        <translation>The report of the next chance (class A, B or C).</translation>
    </message>
    <message>
        <source>Hibás --at időpont: &quot;%1&quot; - dátum és idő kell, például &quot;2025.05.27 21:05&quot; vagy &quot;2025.05.27&quot;</source>
        <translation>Wrong --at time: &quot;%1&quot; - a date and a time are needed, for example &quot;2025.05.27 21:05&quot; or &quot;2025.05.27&quot;</translation>
    </message>
    <message>
        <source>Hibás --at időpont: &quot;%1&quot; - hiányzik a dátum, például &quot;2025.05.27 21:05&quot;</source>
        <translation>Wrong --at time: &quot;%1&quot; - the date is missing, for example &quot;2025.05.27 21:05&quot;</translation>
    </message>
    <message>
        <source>Egy holdsarló-megfigyelés körülményei: a Hold kora, a Nap és a Hold helyzete, a késés,
ARCL, ARCV, DAZ, a sarló szélessége, Yallop q és Odeh V a legjobb időpontban.
Alapértelmezés: a beállított megfigyelőhely ($XDG_CONFIG_HOME/tavik/tavik.conf), enélkül
Budapest (É 47,4979°, K 19,0402°, 100 m, Europe/Budapest idő).
</source>
        <translation>The circumstances of a crescent observation: the age of the Moon, the positions of the Sun
and the Moon, the lag, ARCL, ARCV, DAZ, the width of the crescent, Yallop&apos;s q and Odeh&apos;s V
at the best time.
Default: the configured observing site ($XDG_CONFIG_HOME/tavik/tavik.conf), without it
Budapest (N 47.4979°, E 19.0402°, 100 m, Europe/Budapest time).
</translation>
    </message>
    <message>
        <source>Kilépési kód: 0 kész, 1 hibás kapcsoló (hely, zóna, --ephe), 2 hiányzó vagy olvashatatlan --at,
3 az efemerisz hibája (sérült fájl, vagy a fájlokon kívüli időpont), </source>
        <translation>Exit code: 0 done, 1 wrong option (place, zone, --ephe), 2 missing or unreadable --at,
3 an ephemeris fault (a damaged file, or a time outside the files), </translation>
    </message>
    <message>
        <source>A megfigyelés helyi ideje, például &quot;2025.05.27 21:05&quot;</source>
        <translation>The local time of the observation, for example &quot;2025.05.27 21:05&quot;</translation>
    </message>
    <message>
        <source>időpont</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Egyetlen JSON objektum a szöveg helyett.</source>
        <translation>A single JSON object instead of the text.</translation>
    </message>
    <message>
        <source>Hiányzik a --at időpont, például --at &quot;2025.05.27 21:05&quot;</source>
        <translation>The --at time is missing, for example --at &quot;2025.05.27 21:05&quot;</translation>
    </message>
</context>
<context>
    <name>VisibilityFigures</name>
    <message>
        <source>magasság %1 (fénytöréssel %2), azimut %3</source>
        <translation>altitude %1 (refracted %2), azimuth %3</translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kor a legjobb időpontban</source>
        <translation>Age at the best time</translation>
    </message>
</context>
<context>
    <name>tavik::A</name>
    <message>
        <source>Az &apos;ujhold.txt&apos; fájl nem található!</source>
        <translation>The file &apos;ujhold.txt&apos; was not found!</translation>
    </message>
    <message>
        <source>Az &apos;utolsó.txt&apos; fájl nem található!</source>
        <translation>The file &apos;utolsó.txt&apos; was not found!</translation>
    </message>
    <message>
        <source>Kérem, adjon meg egy ÉRVÉNYES ÚJHOLD / MEGFIGYELÉSI dátumot!</source>
        <translation>Please enter a VALID NEW MOON / OBSERVATION date!</translation>
    </message>
    <message>
        <source>Kérem, adja meg az UTOLSÓ ÚJHOLD időpontját!</source>
        <translation>Please enter the time of the LAST NEW MOON!</translation>
    </message>
    <message>
        <source>Üres dátumot NEM mentek!</source>
        <translation>An empty date is NOT saved!</translation>
    </message>
    <message>
        <source>  2. nap</source>
        <translation>Day  2</translation>
    </message>
    <message>
        <source>  3. nap</source>
        <translation>Day  3</translation>
    </message>
    <message>
        <source>  4. nap</source>
        <translation>Day  4</translation>
    </message>
    <message>
        <source>  5. nap</source>
        <translation>Day  5</translation>
    </message>
    <message>
        <source>  6. nap</source>
        <translation>Day  6</translation>
    </message>
    <message>
        <source>  7. nap</source>
        <translation>Day  7</translation>
    </message>
    <message>
        <source>  8. nap</source>
        <translation>Day  8</translation>
    </message>
    <message>
        <source>  9. nap</source>
        <translation>Day  9</translation>
    </message>
    <message>
        <source>10. nap</source>
        <translation>Day 10</translation>
    </message>
    <message>
        <source>11. nap</source>
        <translation>Day 11</translation>
    </message>
    <message>
        <source>&amp;Hold - térképek</source>
        <translation>&amp;Moon maps</translation>
    </message>
    <message>
        <source>&amp;Szerszámok</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>H&amp;elp</translation>
    </message>
    <message>
        <source>&amp;Jegyzetek</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>&amp;Megfigyelési napló</source>
        <translation>&amp;Observation log</translation>
    </message>
    <message>
        <source>N&amp;aptár</source>
        <translation>&amp;Calendar</translation>
    </message>
    <message>
        <source>&amp;Korai Holdsarlók</source>
        <translation>Earl&amp;y crescents</translation>
    </message>
    <message>
        <source>&amp;Napfogyatkozások</source>
        <translation>&amp;Solar eclipses</translation>
    </message>
    <message>
        <source>&amp;Holdfogyatkozások</source>
        <translation>&amp;Lunar eclipses</translation>
    </message>
    <message>
        <source>&amp;Vénusz sarlók</source>
        <translation>&amp;Venus crescents</translation>
    </message>
    <message>
        <source>&amp;Fok - Vonás calculator</source>
        <translation>&amp;Degree - mil calculator</translation>
    </message>
    <message>
        <source>Megfi&amp;gyelőhely…</source>
        <translation>Observing s&amp;ite…</translation>
    </message>
    <message>
        <source>Lá&amp;thatóság</source>
        <translation>Visi&amp;bility</translation>
    </message>
    <message>
        <source>Ny&amp;elv / Language</source>
        <translation>Ny&amp;elv / Language</translation>
    </message>
    <message>
        <source>Magyar</source>
        <translation>Magyar</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>A rendszer nyelve szerint</source>
        <translation>As the system&apos;s language</translation>
    </message>
    <message>
        <source>A program következő indításától érvényes</source>
        <translation>Takes effect at the next start of the program</translation>
    </message>
    <message>
        <source>&amp;Programról</source>
        <translation>&amp;About the program</translation>
    </message>
    <message>
        <source>&amp;Leírás</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>------------</source>
        <translation>------------</translation>
    </message>
    <message>
        <source>&amp;Kilépés</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Tavik  - Holdsarló kor és fázis számoló     -  %1  (x86)   - Orvel Edition</source>
        <translation>Tavik  - Crescent age and phase calculator     -  %1  (x86)   - Orvel Edition</translation>
    </message>
    <message>
        <source>Utolsó Újhold :</source>
        <translation>Last New Moon :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Utolsó Újhold</source>
        <translation>Last New Moon</translation>
    </message>
    <message>
        <source>Megfigyelés :</source>
        <translation>Observation :</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Megfigyelés</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Most!</source>
        <translation>Now!</translation>
    </message>
    <message>
        <source>Újholdak</source>
        <translation>New moons</translation>
    </message>
    <message>
        <source>Az OK gomb a választott újholdat írja a mezőbe.</source>
        <translation>The OK button puts the chosen new moon into the box.</translation>
    </message>
    <message>
        <source>A választott újhold mentése.</source>
        <translation>Saves the chosen new moon.</translation>
    </message>
    <message>
        <source>A megfigyelés idejének mentése.</source>
        <translation>Saves the time of the observation.</translation>
    </message>
    <message>
        <source>Holdfázis</source>
        <translation>Moon phase</translation>
    </message>
    <message>
        <source>Kattintásra megnyílik a Hold térképe.</source>
        <translation>Click to open the map of the Moon.</translation>
    </message>
    <message>
        <source>A számítás eredménye</source>
        <translation>The result of the calculation</translation>
    </message>
    <message>
        <source>Té&amp;rkép…</source>
        <translation>&amp;Map…</translation>
    </message>
    <message>
        <source>Ész&amp;lelési napló…</source>
        <translation>Observation lo&amp;gbook…</translation>
    </message>
    <message>
        <source>Holdhóna&amp;pok…</source>
        <translation>Lunar mon&amp;ths…</translation>
    </message>
</context>
<context>
    <name>tavik::AboutWindow</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Holdsarló kor és fázis számoló</source>
        <translation>Crescent age and phase calculator</translation>
    </message>
    <message>
        <source>© 2024–2026 a Tavik fejlesztői</source>
        <translation>© 2024–2026 the Tavik developers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>tavik::AltitudeChart</name>
    <message>
        <source>A Nap és a Hold magassága</source>
        <translation>Altitude of the Sun and the Moon</translation>
    </message>
    <message>
        <source>látszó magasság, helyi idő</source>
        <translation>apparent altitude, local time</translation>
    </message>
    <message>
        <source>legjobb</source>
        <comment>the best time</comment>
        <translation>best</translation>
    </message>
    <message>
        <source>Nap</source>
        <comment>the Sun</comment>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Hold</source>
        <comment>the Moon</comment>
        <translation>Moon</translation>
    </message>
</context>
<context>
    <name>tavik::AttemptForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Észlelés szerkesztése</source>
        <translation>Edit sighting</translation>
    </message>
    <message>
        <source>Új észlelés</source>
        <translation>New sighting</translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Dátum:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>&amp;Első megpillantás:</source>
        <translation>&amp;First glimpse:</translation>
    </message>
    <message>
        <source>Az első megpillantás ideje ismert</source>
        <translation>The time of the first glimpse is known</translation>
    </message>
    <message>
        <source>Az első megpillantás ideje</source>
        <translation>The time of the first glimpse</translation>
    </message>
    <message>
        <source>Időpont:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Idő nélkül az este (hajnal) legjobb időpontjára számol.</source>
        <translation>Without a time, the best time of the evening (dawn) is used.</translation>
    </message>
    <message>
        <source>Esti vagy hajnali sarló</source>
        <translation>Evening or dawn crescent</translation>
    </message>
    <message>
        <source>esti (újhold utáni) sarló</source>
        <translation>evening crescent (after new moon)</translation>
    </message>
    <message>
        <source>hajnali (újhold előtti) sarló</source>
        <translation>dawn crescent (before new moon)</translation>
    </message>
    <message>
        <source>&amp;Sarló:</source>
        <translation>&amp;Crescent:</translation>
    </message>
    <message>
        <source>A hely neve</source>
        <translation>The name of the place</translation>
    </message>
    <message>
        <source>&amp;Hely:</source>
        <translation>&amp;Place:</translation>
    </message>
    <message>
        <source>Földrajzi szélesség, fok, észak pozitív</source>
        <translation>Latitude, degrees, north positive</translation>
    </message>
    <message>
        <source>Szé&amp;lesség (°):</source>
        <translation>&amp;Latitude (°):</translation>
    </message>
    <message>
        <source>Földrajzi hosszúság, fok, kelet pozitív</source>
        <translation>Longitude, degrees, east positive</translation>
    </message>
    <message>
        <source>Hossz&amp;úság (°):</source>
        <translation>Lo&amp;ngitude (°):</translation>
    </message>
    <message>
        <source>Tengerszint feletti magasság, méter</source>
        <translation>Elevation above sea level, metres</translation>
    </message>
    <message>
        <source>M&amp;agasság (m):</source>
        <translation>&amp;Elevation (m):</translation>
    </message>
    <message>
        <source>Időzóna</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Idő&amp;zóna:</source>
        <translation>Time &amp;zone:</translation>
    </message>
    <message>
        <source>Megfigyelő</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Megfi&amp;gyelő:</source>
        <translation>&amp;Observer:</translation>
    </message>
    <message>
        <source>Eredmény</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>E&amp;redmény:</source>
        <translation>&amp;Result:</translation>
    </message>
    <message>
        <source>Műszer</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>&amp;Műszer:</source>
        <translation>&amp;Instrument:</translation>
    </message>
    <message>
        <source>Az ég állapota</source>
        <translation>State of the sky</translation>
    </message>
    <message>
        <source>&amp;Ég:</source>
        <translation>S&amp;ky:</translation>
    </message>
    <message>
        <source>Megjegyzés</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Meg&amp;jegyzés:</source>
        <translation>No&amp;te:</translation>
    </message>
    <message>
        <source>Ismeretlen időzóna: „%1”. IANA név kell, például Europe/Budapest, vagy UTC.</source>
        <translation>Unknown time zone: “%1”. An IANA name is needed, for example Europe/Budapest, or UTC.</translation>
    </message>
    <message>
        <source>– válasszon –</source>
        <translation>– choose –</translation>
    </message>
    <message>
        <source>Válassza ki az eredményt: mivel látta a sarlót, vagy nem látta.</source>
        <translation>Choose the result: what you saw the crescent with, or that you did not see it.</translation>
    </message>
    <message>
        <source>Az észlelés ideje (%1) a jövőben van. Mégis menti?</source>
        <translation>The time of the attempt (%1) is in the future. Save it anyway?</translation>
    </message>
    <message>
        <source>Elveti a beírt adatokat?</source>
        <translation>Discard what you typed?</translation>
    </message>
</context>
<context>
    <name>tavik::CalendarWindow</name>
    <message>
        <source>Naptár</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Előző hónap</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Következő hónap</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Hónap</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Év</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Napok</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>hu_HU</source>
        <comment>the locale of the month and day names</comment>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>tavik::ConverterWindow</name>
    <message>
        <source>Fok -  Vonás átszámítás:</source>
        <translation>Degrees - mils conversion:</translation>
    </message>
    <message>
        <source>fok  =</source>
        <translation>deg  =</translation>
    </message>
    <message>
        <source>vonás</source>
        <translation>mils</translation>
    </message>
    <message>
        <source>Vonás - Fok átszámítás:</source>
        <translation>Mils - degrees conversion:</translation>
    </message>
    <message>
        <source>vonás =  </source>
        <translation>mils =  </translation>
    </message>
    <message>
        <source>fok</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Számítások</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>Számítás</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>A tüzérségben és a navigációban használt 6000 egységre osztott kör (ún. tüzérségi kör) olyan szögmértékegység, amely a teljes kört 360 fok helyett 6000 egységre osztja fel.</source>
        <translation>The circle of 6000 units used in artillery and navigation (the so-called artillery mil) is a unit of angle that divides the full circle into 6000 units instead of 360 degrees.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kérem, VALÓS ADATOT adjon meg!</source>
        <translation>Please enter a REAL VALUE!</translation>
    </message>
    <message>
        <source>Eredmény</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>tavik::CriteriaScorePage</name>
    <message>
        <source>Yallop osztálya (sor) és az eredmény (oszlop):</source>
        <translation>Yallop&apos;s class (row) and the result (column):</translation>
    </message>
    <message>
        <source>Yallop osztálya és az eredmény</source>
        <translation>Yallop&apos;s class and the result</translation>
    </message>
    <message>
        <source>Odeh zónája (sor) és az eredmény (oszlop):</source>
        <translation>Odeh&apos;s zone (row) and the result (column):</translation>
    </message>
    <message>
        <source>Odeh zónája és az eredmény</source>
        <translation>Odeh&apos;s zone and the result</translation>
    </message>
    <message numerus="yes">
        <source>%n észlelésből Yallop feltétele %1 (%2), Odeh feltétele %3 (%4) esetben jelzett helyesen.</source>
        <translation>
            <numerusform>Of %n sighting, Yallop&apos;s criterion was right in %1 (%2) and Odeh&apos;s in %3 (%4).</numerusform>
            <numerusform>Of %n sightings, Yallop&apos;s criterion was right in %1 (%2) and Odeh&apos;s in %3 (%4).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavik::DescriptionWindow</name>
    <message>
        <source>Program leírása</source>
        <translation>About using the program</translation>
    </message>
    <message>
        <source>A program használatához néhány tanács:</source>
        <translation>A few tips for using the program:</translation>
    </message>
    <message>
        <source>A legördülő &apos;Újhold időpontok&apos; listában az időpontok a magyar időszámítás szerint vannak (nyári- téli isz. korrigálásával!)</source>
        <translation>The times in the drop-down &apos;New moon times&apos; list are in Hungarian time (corrected for summer and winter time!)</translation>
    </message>
    <message>
        <source>1.) a SÁRGA (Utolsó Újhold) gombra kattintva megjelenik a legutolsónak megadott újhold időpontja.</source>
        <translation>1.) Clicking the YELLOW (Last New Moon) button shows the time of the new moon entered last.</translation>
    </message>
    <message>
        <source>2.) a ZÖLD (Megfigyelés) gombra kattintva betölti az elmentett utolsó megfigyelési dátumot. Ha újat adunk meg, a MENTÉS gombbal elmenthetjük, legközelebb már azt tölti be. </source>
        <translation>2.) Clicking the GREEN (Observation) button loads the last saved observation date. A new one can be saved with the SAVE button; next time that one is loaded. </translation>
    </message>
    <message>
        <source>3.) a KÉK (Most!) gombra kattintva a pillanatnyi időt-dátumot (a számítógép rendszer idejét) tölti be a &apos;Megfigyelési idejének&apos;.</source>
        <translation>3.) Clicking the BLUE (Now!) button loads the present date and time (the computer&apos;s system time) as the &apos;Observation time&apos;.</translation>
    </message>
    <message>
        <source>Újhold időpont választásánál:  a program az aktuális (téli- nyári-) MAGYAR idő szerinti időpontokat tölti be (átírható, ha kell). A Program NEM számol át az időzónák között!</source>
        <translation>When a new moon time is chosen:  the program loads the times in the current (winter or summer) HUNGARIAN time (they can be edited if needed). The program does NOT convert between time zones!</translation>
    </message>
    <message>
        <source>A ZÖLD vagy a SÖTÉTKÉK gombra kattintva az &apos;Utolsó Újhold&apos; mező tartalmát a program  -ELMENTI-  és a SÁRGA gombbal legközelebb már azt jeleníti meg!          Minden számítás automatikusan elmentődik a   &apos;\Pic\szamitott.txt&apos;   file -ba!</source>
        <translation>Clicking the GREEN or the DARK BLUE button makes the program  -SAVE-  the contents of the &apos;Last New Moon&apos; box, and next time the YELLOW button shows that one!          Every calculation is saved automatically into the   &apos;\Pic\szamitott.txt&apos;   file!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tavik::FileFaults</name>
    <message>
        <source>%1 &apos;%2&apos; fájl NEM található!</source>
        <translation>The file &apos;%2&apos; was NOT found!</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; fájl NEM olvasható!</source>
        <translation>The file &apos;%2&apos; could NOT be read!</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; fájl NEM menthető!</source>
        <translation>The file &apos;%2&apos; could NOT be saved!</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; fájl NEM menthető! Ezeket a karaktereket nem lehet benne tárolni: %3</source>
        <translation>The file &apos;%2&apos; could NOT be saved! These characters cannot be stored in it: %3</translation>
    </message>
    <message>
        <source>A mappa nem létezik: %1</source>
        <translation>The folder does not exist: %1</translation>
    </message>
    <message>
        <source>Nem mappa: %1</source>
        <translation>Not a folder: %1</translation>
    </message>
    <message>
        <source>Ezen a néven mappa van.</source>
        <translation>There is a folder of this name.</translation>
    </message>
    <message>
        <source>Nem közönséges fájl (eszköz vagy csővezeték), ezért érintetlen marad.</source>
        <translation>Not an ordinary file (a device or a pipe), so it is left untouched.</translation>
    </message>
    <message>
        <source>Megtelt a lemez.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Nincs jogosultság.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>A lemez csak olvasható.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>A fájl csak olvasható.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>A mappa csak olvasható, ezért a fájl nem cserélhető biztonságosan.</source>
        <translation>The folder is read-only, so the file cannot be replaced safely.</translation>
    </message>
    <message>
        <source>Lemezhiba (írási vagy olvasási hiba).</source>
        <translation>Disk error (a write or read error).</translation>
    </message>
    <message>
        <source>Túl hosszú a név.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>Nincs ilyen fájl.</source>
        <translation>No such file.</translation>
    </message>
    <message>
        <source>Sérült vagy ismeretlen formátumú kép.</source>
        <translation>A damaged picture or one of an unknown format.</translation>
    </message>
    <message>
        <source>A fájl túl nagy: legfeljebb %1 MB lehet.</source>
        <translation>The file is too large: it may be at most %1 MB.</translation>
    </message>
    <message>
        <source>A fájl túl nagy: legfeljebb %1 KB lehet.</source>
        <translation>The file is too large: it may be at most %1 KB.</translation>
    </message>
    <message>
        <source>A fájl helyén nem létező fájlra mutató hivatkozás van.</source>
        <translation>In place of the file there is a link to a file that does not exist.</translation>
    </message>
    <message>
        <source>A fájl helyén önmagába visszavezető hivatkozás van.</source>
        <translation>In the file&apos;s place there is a link that leads back to itself.</translation>
    </message>
    <message>
        <source>Nincs jogosultság a mappa létrehozásához: %1</source>
        <translation>No permission to create the folder: %1</translation>
    </message>
    <message>
        <source>Rendszerhiba, kódja: %1</source>
        <translation>System error, code: %1</translation>
    </message>
    <message>
        <source>Rendszerhiba.</source>
        <translation>System error.</translation>
    </message>
</context>
<context>
    <name>tavik::Language</name>
    <message>
        <source>hu</source>
        <comment>language code</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>tavik::ListComputation</name>
    <message>
        <source>Megszakítás…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>Listák számítása</source>
        <translation>Computing the lists</translation>
    </message>
    <message>
        <source>&amp;Mégse</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>A listák számításának állása</source>
        <translation>Progress of the list computation</translation>
    </message>
    <message>
        <source>%1 (%2. lista az %3 közül)</source>
        <translation>%1 (list %2 of %3)</translation>
    </message>
    <message>
        <source>A listák változatlanok maradtak.</source>
        <translation>The lists are unchanged.</translation>
    </message>
    <message>
        <source>A számítás megszakítva. </source>
        <translation>The computation was cancelled. </translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; lista nem számítható ki: %3
</source>
        <translation>The list &apos;%2&apos; cannot be computed: %3
</translation>
    </message>
    <message>
        <source>Egy korábbi lista nem állítható vissza:
</source>
        <translation>An earlier list cannot be restored:
</translation>
    </message>
</context>
<context>
    <name>tavik::LogbookWindow</name>
    <message>
        <source>%1, %2 (%3)</source>
        <translation>%1, %2 (%3)</translation>
    </message>
    <message>
        <source>idő nélkül: a legjobb időpont</source>
        <translation>no time: the best time</translation>
    </message>
    <message>
        <source>első megpillantás</source>
        <translation>first glimpse</translation>
    </message>
    <message>
        <source>esti sarló</source>
        <translation>evening crescent</translation>
    </message>
    <message>
        <source>hajnali sarló</source>
        <translation>dawn crescent</translation>
    </message>
    <message>
        <source>%1, É %2°, K %3°, %4 m, %5</source>
        <translation>%1, N %2°, E %3°, %4 m, %5</translation>
    </message>
    <message>
        <source>A Hold kora: %1; késés: %2</source>
        <translation>Age of the Moon: %1; lag: %2</translation>
    </message>
    <message>
        <source>ARCL %1°, ARCV %2°, DAZ %3°, W′ %4′, megvilágított rész %5%, a Hold magassága %6°</source>
        <translation>ARCL %1°, ARCV %2°, DAZ %3°, W′ %4′, illuminated fraction %5%, altitude of the Moon %6°</translation>
    </message>
    <message>
        <source>Yallop q: %1 (%2: %3); Odeh V: %4 (%5 zóna: %6)</source>
        <translation>Yallop q: %1 (%2: %3); Odeh V: %4 (zone %5: %6)</translation>
    </message>
    <message>
        <source>(számítás: %1. változat)</source>
        <translation>(computation: version %1)</translation>
    </message>
    <message>
        <source>Észlelési napló</source>
        <translation>Observation logbook</translation>
    </message>
    <message>
        <source>Szűrés: dátum, hely, eredmény vagy bármely oszlop szövege</source>
        <translation>Filter: date, place, result or the text of any column</translation>
    </message>
    <message>
        <source>Szűrés…</source>
        <translation>Filter…</translation>
    </message>
    <message>
        <source>&amp;Szűrés:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Észlelések</source>
        <translation>Sightings</translation>
    </message>
    <message>
        <source>A kijelölt észlelés körülményei</source>
        <translation>Circumstances of the selected sighting</translation>
    </message>
    <message>
        <source>&amp;Észlelések</source>
        <translation>&amp;Sightings</translation>
    </message>
    <message>
        <source>Saját &amp;rekordjaim</source>
        <translation>My &amp;records</translation>
    </message>
    <message>
        <source>A &amp;feltételek az én egemen</source>
        <translation>The &amp;criteria under my sky</translation>
    </message>
    <message>
        <source>Ú&amp;j észlelés…</source>
        <translation>&amp;New sighting…</translation>
    </message>
    <message>
        <source>Sz&amp;erkesztés…</source>
        <translation>&amp;Edit…</translation>
    </message>
    <message>
        <source>&amp;Törlés</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Bezárás</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Válasszon egy észlelést a táblázatban a körülményei megtekintéséhez.</source>
        <translation>Choose a sighting in the table to see its circumstances.</translation>
    </message>
    <message>
        <source>Törli ezt az észlelést: %1, %2, %3?</source>
        <translation>Delete this sighting: %1, %2, %3?</translation>
    </message>
    <message numerus="yes">
        <source>%1… (még %n karakter)</source>
        <translation>
            <numerusform>%1… (%n more character)</numerusform>
            <numerusform>%1… (%n more characters)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%2%3%4</source>
        <translation>%1%2%3%4</translation>
    </message>
    <message>
        <source>Megfigyelő: %1; </source>
        <translation>Observer: %1; </translation>
    </message>
    <message>
        <source>&amp;Importálás…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>E&amp;xportálás…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message>
        <source>Menti új észlelésként? (Nem: az űrlap nyitva marad.)</source>
        <translation>Save it as a new attempt? (No: the form stays open.)</translation>
    </message>
    <message>
        <source>Észlelések importálása</source>
        <translation>Import attempts</translation>
    </message>
    <message>
        <source>CSV-fájlok (*.csv);;Minden fájl (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Észlelések exportálása</source>
        <translation>Export attempts</translation>
    </message>
    <message>
        <source>Semmi sem került a naplóba.</source>
        <translation>Nothing was added to the logbook.</translation>
    </message>
    <message>
        <source>Az importálás megszakítva.</source>
        <translation>The import was cancelled.</translation>
    </message>
    <message numerus="yes">
        <source>%n észlelés került a fájlba (%1).</source>
        <translation>
            <numerusform>%n attempt written to the file (%1).</numerusform>
            <numerusform>%n attempts written to the file (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Az átvitel állása</source>
        <translation>Progress of the transfer</translation>
    </message>
    <message>
        <source>&amp;Mégse</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Megszakítás…</source>
        <translation>Cancelling…</translation>
    </message>
    <message numerus="yes">
        <source>További hibás sorok is vannak; az első %n látható.</source>
        <translation>
            <numerusform>There are more bad lines; the first %n is shown.</numerusform>
            <numerusform>There are more bad lines; the first %n are shown.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n új észlelés került a naplóba (%1)</source>
        <translation>
            <numerusform>%n new attempt added to the logbook (%1)</numerusform>
            <numerusform>%n new attempts added to the logbook (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n már benne volt.</source>
        <translation>
            <numerusform>; %n was there already.</numerusform>
            <numerusform>; %n were there already.</numerusform>
        </translation>
    </message>
    <message>
        <source>A CSV-fájl (%1) maga a napló; nem íródott semmi.</source>
        <translation>The CSV file (%1) is the logbook itself; nothing was written.</translation>
    </message>
    <message numerus="yes">
        <source>%n sérült észlelés nem olvasható, kimaradt a CSV-ből: %1.</source>
        <translation>
            <numerusform>%n damaged attempt could not be read and was left out of the CSV: %1.</numerusform>
            <numerusform>%n damaged attempts could not be read and were left out of the CSV: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavik::LunarMonthsWindow</name>
    <message>
        <source>Holdhónapok</source>
        <translation>Lunar months</translation>
    </message>
    <message>
        <source>&amp;Szabály:</source>
        <translation>&amp;Rule:</translation>
    </message>
    <message>
        <source>Szabály</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>&amp;Távcsővel is</source>
        <translation>With optical ai&amp;d</translation>
    </message>
    <message>
        <source>Távcsővel látható holdsarló is elég</source>
        <translation>A crescent seen with optical aid is enough too</translation>
    </message>
    <message>
        <source>◀ &amp;Előző</source>
        <translation>◀ &amp;Previous</translation>
    </message>
    <message>
        <source>Előző hónap</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>&amp;Következő ▶</source>
        <translation>&amp;Next ▶</translation>
    </message>
    <message>
        <source>Következő hónap</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>A hónap napjai a hidzsra dátumokkal</source>
        <translation>The days of the month with their Hijri dates</translation>
    </message>
    <message>
        <source> nap</source>
        <translation> days</translation>
    </message>
    <message>
        <source>A kijelölt nap hónapjának eltolása napokban</source>
        <translation>Move of the selected day&apos;s month, in days</translation>
    </message>
    <message>
        <source>&amp;Mentés iCalendarba…</source>
        <translation>&amp;Save as iCalendar…</translation>
    </message>
    <message>
        <source>A számítás állása</source>
        <translation>Progress of the computation</translation>
    </message>
    <message>
        <source>Mé&amp;gse</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>A számítás leállítása</source>
        <translation>Stops the computation</translation>
    </message>
    <message>
        <source>A számítás leállt; a hónapok nem készültek el.</source>
        <translation>The computation was stopped; the months were not made.</translation>
    </message>
    <message>
        <source>yyyy. MMMM</source>
        <comment>the month shown</comment>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>kézzel %1 nap</source>
        <translation>moved %1 days</translation>
    </message>
    <message>
        <source>A hónap kezdetét kézzel tolta el %1 nappal.</source>
        <translation>The month&apos;s beginning was moved by hand by %1 days.</translation>
    </message>
    <message>
        <source>igazítást követ</source>
        <translation>follows a move</translation>
    </message>
    <message>
        <source>Egy korábbi hónap kézi eltolását követi.</source>
        <translation>Follows an earlier month&apos;s move by hand.</translation>
    </message>
    <message>
        <source>⚠ határeset</source>
        <translation>⚠ borderline</translation>
    </message>
    <message>
        <source>● újhold %1</source>
        <translation>● new moon %1</translation>
    </message>
    <message>
        <source>Újhold (együttállás): %1</source>
        <translation>New moon (conjunction): %1</translation>
    </message>
    <message>
        <source>☾ Yallop %1</source>
        <translation>☾ Yallop %1</translation>
    </message>
    <message>
        <source>Holdsarló-este: Yallop %1, legjobb időpont %2</source>
        <translation>Crescent evening: Yallop %1, best time %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 nap.</source>
        <translation>%1: %2, %3 days.</translation>
    </message>
    <message>
        <source>A hónap &amp;kezdete:</source>
        <translation>The month&apos;s &amp;beginning:</translation>
    </message>
    <message>
        <source>%1 &amp;kezdete:</source>
        <translation>&amp;Beginning of %1:</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Mentés iCalendarba</source>
        <translation>Save as iCalendar</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>tavik::MapCanvas</name>
    <message>
        <source>Holdsarló-térkép</source>
        <translation>Crescent map</translation>
    </message>
    <message>
        <source>Nagyítás: egérgörgő vagy + és -, mozgatás: húzás vagy nyilak</source>
        <translation>Zoom: mouse wheel or + and -, move: drag or arrows</translation>
    </message>
</context>
<context>
    <name>tavik::MapViewerWindow</name>
    <message>
        <source>Hold térképek</source>
        <translation>Moon maps</translation>
    </message>
    <message>
        <source>Holdkép</source>
        <translation>Moon picture</translation>
    </message>
</context>
<context>
    <name>tavik::MapWindow</name>
    <message>
        <source>holdsarlo-%1.png</source>
        <comment>file name offered for a saved map</comment>
        <translation>crescent-%1.png</translation>
    </message>
    <message>
        <source>Holdsarló-térkép</source>
        <translation>Crescent map</translation>
    </message>
    <message>
        <source>Magyarország</source>
        <translation>Hungary</translation>
    </message>
    <message>
        <source>Európa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Egész világ</source>
        <translation>Whole world</translation>
    </message>
    <message>
        <source>&amp;Nézet:</source>
        <translation>&amp;View:</translation>
    </message>
    <message>
        <source>&amp;Dátum:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>&amp;Hajnal</source>
        <translation>Da&amp;wn</translation>
    </message>
    <message>
        <source>Hajnali sarló</source>
        <translation>Dawn crescent</translation>
    </message>
    <message>
        <source>&amp;Esték:</source>
        <translation>&amp;Evenings:</translation>
    </message>
    <message>
        <source>Yallop (q)</source>
        <translation>Yallop (q)</translation>
    </message>
    <message>
        <source>Odeh (V)</source>
        <translation>Odeh (V)</translation>
    </message>
    <message>
        <source>&amp;Feltétel:</source>
        <translation>&amp;Criterion:</translation>
    </message>
    <message>
        <source>A térkép az egér alatt</source>
        <translation>The map under the mouse</translation>
    </message>
    <message>
        <source>Mé&amp;ret:</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>mint a képernyőn</source>
        <translation>as on the screen</translation>
    </message>
    <message>
        <source>1920 pont széles</source>
        <translation>1920 pixels wide</translation>
    </message>
    <message>
        <source>3840 pont széles</source>
        <translation>3840 pixels wide</translation>
    </message>
    <message>
        <source>A mentett kép mérete</source>
        <translation>The size of the saved picture</translation>
    </message>
    <message>
        <source>&amp;Kép mentése…</source>
        <translation>&amp;Save picture…</translation>
    </message>
    <message>
        <source>Holdsarló láthatósága – %1</source>
        <translation>Crescent visibility – %1</translation>
    </message>
    <message>
        <source>%1: messze az újholdtól, nincs holdsarló (legközelebbi együttállás: %2 UT)</source>
        <translation>%1: far from new moon, no crescent (nearest conjunction: %2 UT)</translation>
    </message>
    <message>
        <source>Számítás: %1%, %2° rácsköz</source>
        <translation>Computing: %1%, %2° grid</translation>
    </message>
    <message>
        <source>%1 (%2 UT)</source>
        <translation>%1 (%2 UT)</translation>
    </message>
    <message>
        <source>napkelte</source>
        <translation>sunrise</translation>
    </message>
    <message>
        <source>napnyugta</source>
        <translation>sunset</translation>
    </message>
    <message>
        <source>a Hold nem kel fel az éjjel</source>
        <translation>the Moon does not rise that night</translation>
    </message>
    <message>
        <source>a Hold nem nyugszik le az éjjel</source>
        <translation>the Moon does not set that night</translation>
    </message>
    <message>
        <source>A térkép képe nem készíthető el.</source>
        <translation>The picture of the map cannot be made.</translation>
    </message>
    <message>
        <source>Kép mentése</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG kép (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>legjobb időpont %1</source>
        <translation>best time %1</translation>
    </message>
</context>
<context>
    <name>tavik::MessageSink</name>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tavik::NoteWindow</name>
    <message>
        <source>Jegyzetek</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Jegyzetek:  </source>
        <translation>Notes:  </translation>
    </message>
    <message>
        <source>Az &apos;jegyzetek.txt&apos; fájl NEM található!</source>
        <translation>The file &apos;jegyzetek.txt&apos; was NOT found!</translation>
    </message>
    <message>
        <source>Megfigyelési napló</source>
        <translation>Observation log</translation>
    </message>
    <message>
        <source>Megfigyelési napló:</source>
        <translation>Observation log:</translation>
    </message>
    <message>
        <source>A &apos;naplo-tavik.txt&apos; fájl NEM található!</source>
        <translation>The file &apos;naplo-tavik.txt&apos; was NOT found!</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Üreset NEM mentek!</source>
        <translation>An empty text is NOT saved!</translation>
    </message>
    <message>
        <source>Menti a változásokat?</source>
        <translation>Save the changes?</translation>
    </message>
</context>
<context>
    <name>tavik::PersonalRecordsPage</name>
    <message>
        <source>Saját rekord</source>
        <translation>Personal record</translation>
    </message>
    <message>
        <source>Érték</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Dátum és hely</source>
        <translation>Date and place</translation>
    </message>
    <message>
        <source>Világrekord</source>
        <translation>World record</translation>
    </message>
    <message>
        <source>Saját rekordok a világrekordok mellett</source>
        <translation>Personal records beside the world records</translation>
    </message>
    <message>
        <source>Csak a látott sarlók számítanak, és azok sem, amelyeknél a Hold a látóhatár alatt volt, a Nap előtt nyugodott, vagy az esti időpont az együttállás előtt volt. Az órák az együttállástól számítanak.</source>
        <translation>Only crescents seen count, and not those where the Moon was below the horizon, set before the Sun, or the evening time was before the conjunction. The hours count from the conjunction.</translation>
    </message>
    <message>
        <source>még nincs</source>
        <translation>none yet</translation>
    </message>
</context>
<context>
    <name>tavik::Phase</name>
    <message>
        <source>Újhold</source>
        <translation>New moon</translation>
    </message>
    <message>
        <source>Növekvő sarló</source>
        <translation>Waxing crescent</translation>
    </message>
    <message>
        <source>Első negyed</source>
        <translation>First quarter</translation>
    </message>
    <message>
        <source>Növekvő hold</source>
        <translation>Waxing gibbous</translation>
    </message>
    <message>
        <source>Telihold</source>
        <translation>Full moon</translation>
    </message>
    <message>
        <source>Fogyó hold</source>
        <translation>Waning gibbous</translation>
    </message>
    <message>
        <source>Utolsó negyed</source>
        <translation>Last quarter</translation>
    </message>
    <message>
        <source>Fogyó sarló</source>
        <translation>Waning crescent</translation>
    </message>
</context>
<context>
    <name>tavik::ReferenceListWindow</name>
    <message>
        <source>Korai Holdsarlók</source>
        <translation>Early crescents</translation>
    </message>
    <message>
        <source>Napfogyatkozások</source>
        <translation>Solar eclipses</translation>
    </message>
    <message>
        <source>Vénusz sarlók láthatósága</source>
        <translation>Visibility of Venus crescents</translation>
    </message>
    <message>
        <source>Holdfogyatkozások</source>
        <translation>Lunar eclipses</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Korai Holdsarlók:</source>
        <translation>Early crescents:</translation>
    </message>
    <message>
        <source>Időpont</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Mikor?</source>
        <translation>When?</translation>
    </message>
    <message>
        <source>Holdsarló kora (kb.)</source>
        <translation>Crescent&apos;s age (approx.)</translation>
    </message>
</context>
<context>
    <name>tavik::Report</name>
    <message>
        <source>Megfigyelés ideje:         </source>
        <comment>main window, 27 characters</comment>
        <translation>Observation time:          </translation>
    </message>
    <message>
        <source>Holdsarló kora:             </source>
        <comment>main window, 28 characters</comment>
        <translation>Crescent&apos;s age:             </translation>
    </message>
    <message>
        <source>Megfigyelés ideje:   </source>
        <comment>log, 21 characters</comment>
        <translation>Observation time:    </translation>
    </message>
    <message>
        <source>Holdsarló kora:      </source>
        <comment>log, 21 characters</comment>
        <translation>Crescent&apos;s age:      </translation>
    </message>
    <message>
        <source>Holdfázis:           </source>
        <comment>log, 21 characters</comment>
        <translation>Moon phase:          </translation>
    </message>
    <message>
        <source>%1 óra %2 perc</source>
        <translation>%1 hours %2 minutes</translation>
    </message>
    <message>
        <source>%1 nap  %2 óra %3 perc</source>
        <translation>%1 days  %2 hours %3 minutes</translation>
    </message>
    <message>
        <source>%1 nap</source>
        <comment>days</comment>
        <translation>%1 days</translation>
    </message>
</context>
<context>
    <name>tavik::SiteFaults</name>
    <message>
        <source>A sor nem UTF-8 szöveg.</source>
        <translation>The line is not UTF-8 text.</translation>
    </message>
    <message>
        <source>„kulcs=érték” alakú sor kell, például latitude=47.4979.</source>
        <translation>A line of the form “key=value” is needed, for example latitude=47.4979.</translation>
    </message>
    <message>
        <source>%1 helyén szám kell, tizedesponttal, %2.</source>
        <translation>%1 must be a number with a decimal point, %2.</translation>
    </message>
    <message>
        <source>%1 csak %2 lehet.</source>
        <translation>%1 can only be %2.</translation>
    </message>
    <message>
        <source>Ismeretlen időzóna: IANA név kell, például Europe/Budapest, vagy üres a rendszer zónájához.</source>
        <translation>Unknown time zone: an IANA name is needed, for example Europe/Budapest, or nothing for the system&apos;s zone.</translation>
    </message>
    <message>
        <source>Hiányzik %1 „%2=” sor.</source>
        <translation>The “%2=” line is missing.</translation>
    </message>
    <message>
        <source>A hely neve</source>
        <translation>The name of the place</translation>
    </message>
    <message>
        <source>A földrajzi szélesség</source>
        <translation>The latitude</translation>
    </message>
    <message>
        <source>A földrajzi hosszúság</source>
        <translation>The longitude</translation>
    </message>
    <message>
        <source>A tengerszint feletti magasság</source>
        <translation>The elevation above sea level</translation>
    </message>
    <message>
        <source>Az időzóna</source>
        <translation>The time zone</translation>
    </message>
    <message>
        <source>%1° és %2° között</source>
        <translation>between %1° and %2°</translation>
    </message>
    <message>
        <source>%1 és %2 méter között</source>
        <translation>between %1 and %2 metres</translation>
    </message>
    <message>
        <source>A megfigyelőhely beállításfájljának (%1) %2. sora hibás: %3</source>
        <translation>Line %2 of the observing site&apos;s settings file (%1) is wrong: %3</translation>
    </message>
    <message>
        <source>Addig Budapest a megfigyelőhely; a fájl változatlan marad, amíg új helyet nem ment a Megfigyelőhely ablakban.</source>
        <translation>Until then Budapest is the observing site; the file stays as it is until a new site is saved in the Observing site window.</translation>
    </message>
    <message>
        <source> </source>
        <comment>thousands separator</comment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>tavik::SitePlaces</name>
    <message>
        <source>Piszkéstető (csillagvizsgáló)</source>
        <translation>Piszkéstető (observatory)</translation>
    </message>
    <message>
        <source>Svábhegy (csillagvizsgáló)</source>
        <translation>Svábhegy (observatory)</translation>
    </message>
</context>
<context>
    <name>tavik::SiteWindow</name>
    <message>
        <source>a rendszer időzónája</source>
        <translation>the system time zone</translation>
    </message>
    <message>
        <source>46,253 vagy 46.253, illetve 46°15&apos;11&quot; vagy 46 15 11</source>
        <translation>46.253, or 46°15&apos;11&quot; or 46 15 11</translation>
    </message>
    <message>
        <source>20,148 vagy 20.148, illetve 20°08&apos;53&quot; vagy 20 8 53</source>
        <translation>20.148, or 20°08&apos;53&quot; or 20 8 53</translation>
    </message>
    <message>
        <source>Megfigyelőhely</source>
        <translation>Observing site</translation>
    </message>
    <message>
        <source>&amp;Helyek (városok és csillagvizsgálók):</source>
        <translation>&amp;Places (cities and observatories):</translation>
    </message>
    <message>
        <source>Helyek: városok és csillagvizsgálók</source>
        <translation>Places: cities and observatories</translation>
    </message>
    <message>
        <source>Földrajzi szélesség, fok, észak pozitív</source>
        <translation>Latitude, degrees, north positive</translation>
    </message>
    <message>
        <source>Földrajzi hosszúság, fok, kelet pozitív</source>
        <translation>Longitude, degrees, east positive</translation>
    </message>
    <message>
        <source>Tengerszint feletti magasság, méter</source>
        <translation>Elevation above sea level, metres</translation>
    </message>
    <message>
        <source>Időzóna</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>&amp;Név:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Szélesség (fok, észak +):</source>
        <translation>&amp;Latitude (degrees, north +):</translation>
    </message>
    <message>
        <source>H&amp;osszúság (fok, kelet +):</source>
        <translation>L&amp;ongitude (degrees, east +):</translation>
    </message>
    <message>
        <source>Ma&amp;gasság (méter):</source>
        <translation>Ele&amp;vation (metres):</translation>
    </message>
    <message>
        <source>&amp;Időzóna:</source>
        <translation>&amp;Time zone:</translation>
    </message>
    <message>
        <source>Fok tizedes törtként (46,253) vagy fokban, percben és másodpercben (46°15&apos;11&quot; vagy 46 15 11); üres időzóna: %1.</source>
        <translation>Degrees as a decimal fraction (46.253) or in degrees, minutes and seconds (46°15&apos;11&quot; or 46 15 11); empty time zone: %1.</translation>
    </message>
    <message>
        <source>&amp;Mentés</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 hibás: „%2”.
Fokban adja meg, %3, például %4.</source>
        <translation>%1 is wrong: “%2”.
Give it in degrees, %3, for example %4.</translation>
    </message>
    <message>
        <source>%1 hibás: „%2”.
Méterben adja meg, %3.</source>
        <translation>%1 is wrong: “%2”.
Give it in metres, %3.</translation>
    </message>
    <message>
        <source>Hiányzik a hely neve.
Adjon nevet a helynek, legfeljebb %1 karaktert.</source>
        <translation>The name of the place is missing.
Give the place a name of at most %1 characters.</translation>
    </message>
    <message>
        <source>%1 hibás: „%2”.
A listából válasszon IANA időzónát (például Europe/Budapest), vagy hagyja üresen: akkor %3 számít.</source>
        <translation>%1 is wrong: “%2”.
Choose an IANA time zone from the list (for example Europe/Budapest), or leave it empty: then %3 counts.</translation>
    </message>
    <message>
        <source>A hely neve</source>
        <translation>The name of the place</translation>
    </message>
</context>
<context>
    <name>tavik::SkyView</name>
    <message>
        <source>A Hold nagyítva, a szögek méretarányosak</source>
        <translation>The Moon magnified, the angles to scale</translation>
    </message>
    <message>
        <source>Az égbolt a Nap felé</source>
        <translation>The sky towards the Sun</translation>
    </message>
</context>
<context>
    <name>tavik::Startup</name>
    <message>
        <source>Holdsarló kor és fázis számoló, %1, Orvel Edition
</source>
        <translation>Crescent age and phase calculator, %1, Orvel Edition
</translation>
    </message>
    <message>
        <source>Használat: tavik [KAPCSOLÓ]

A Tavik holdsarló kor és fázis számoló amatőr holdmegfigyelőknek: az utolsó
újhold és a megfigyelés idejéből kiszámolja a Hold korát, fázisát és
megvilágítottságát, naplózza a megfigyeléseket, és megmutatja a holdtérképet,
az újholdak, a holdsarlók, a fogyatkozások és a Vénusz listáit.

Kapcsolók:
  -h, --help       a program rövid leírása és az adatmappa helye
  -v, --version    a program neve és változata
A Qt saját kapcsolói (például -style, -platform) is használhatók.
Kilépési kód: 0, ha a program rendben lefutott; 2 ismeretlen kapcsoló vagy
fölösleges paraméter esetén.

</source>
        <translation>Usage: tavik [OPTION]

Tavik is a crescent age and phase calculator for amateur observers of the Moon:
from the last new moon and the time of an observation it works out the Moon&apos;s
age, phase and illumination, keeps a log of the observations, and shows the
map of the Moon and the lists of new moons, crescents, eclipses and Venus.
Dates and times are written as yyyy.MM.dd HH:mm (2025.05.27 21:05).

Options:
  -h, --help       a short description of the program and its data folder
  -v, --version    the program&apos;s name and version
Qt&apos;s own options (for example -style, -platform) can be used too.
Exit code: 0 when the program ran normally; 2 for an unknown option or
a superfluous argument.

</translation>
    </message>
    <message>
        <source>tavik: %1: %2
A kapcsolók listája: tavik --help
</source>
        <translation>tavik: %1: %2
The list of options: tavik --help
</translation>
    </message>
    <message>
        <source>ismeretlen kapcsoló</source>
        <translation>unknown option</translation>
    </message>
    <message>
        <source>fölösleges paraméter</source>
        <translation>superfluous argument</translation>
    </message>
    <message>
        <source>Adatmappa (a program mellett, hordozható használat):
  %1
</source>
        <translation>Data folder (beside the program, portable use):
  %1
</translation>
    </message>
    <message>
        <source>Saját adatmappa (ide ír a program, és innen olvas először):
  %1
A csomaggal érkezett adatok (csak olvasásra):
  %2
</source>
        <translation>Your own data folder (the program writes here and reads from here first):
  %1
The data that came with the package (read only):
  %2
</translation>
    </message>
</context>
<context>
    <name>tavik::VisibilityMapSurface</name>
    <message>
        <source>Holdsarló-láthatósági térkép</source>
        <translation>Crescent visibility map</translation>
    </message>
</context>
<context>
    <name>tavik::VisibilityMapView</name>
    <message>
        <source>Egész &amp;világ</source>
        <translation>Whole &amp;world</translation>
    </message>
    <message>
        <source>Egész világ vagy Európa</source>
        <translation>Whole world or Europe</translation>
    </message>
    <message>
        <source>Esték &amp;száma:</source>
        <translation>Number of &amp;evenings:</translation>
    </message>
    <message>
        <source>&amp;Feltétel:</source>
        <translation>Cr&amp;iterion:</translation>
    </message>
    <message>
        <source>Kép me&amp;ntése…</source>
        <translation>Sa&amp;ve picture…</translation>
    </message>
    <message>
        <source>Nincs még térkép.</source>
        <translation>No map yet.</translation>
    </message>
    <message>
        <source>A térképhez nincs efemerisz.</source>
        <translation>There is no ephemeris for the map.</translation>
    </message>
    <message>
        <source>A térkép nem készült el: %1</source>
        <translation>The map was not made: %1</translation>
    </message>
    <message>
        <source>Számolom a térképet…</source>
        <translation>Computing the map…</translation>
    </message>
    <message>
        <source>Számolom a következő estét…</source>
        <translation>Computing the next evening…</translation>
    </message>
    <message>
        <source>Kész (%1 s)</source>
        <translation>Done (%1 s)</translation>
    </message>
    <message>
        <source>Kép mentése</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG kép (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
</context>
<context>
    <name>tavik::VisibilityWindow</name>
    <message>
        <source>&amp;Jelentés</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <source>&amp;Következő esély</source>
        <translation>Ne&amp;xt chance</translation>
    </message>
    <message>
        <source>A következő este vagy hajnal, amikor a sarló Yallop szerint legalább C osztályú</source>
        <translation>The next evening or dawn when the crescent is at least class C by Yallop</translation>
    </message>
    <message>
        <source>Melyik este</source>
        <translation>Which evening</translation>
    </message>
    <message>
        <source>Té&amp;rkép…</source>
        <translation>M&amp;ap…</translation>
    </message>
    <message>
        <source>Holdsarló-térkép ablak erre az estére</source>
        <translation>Crescent map window for this evening</translation>
    </message>
    <message>
        <source>Észlelés rö&amp;gzítése…</source>
        <translation>Record si&amp;ghting…</translation>
    </message>
    <message>
        <source>az időpont mezőben álló „%1” nem olvasható időpont</source>
        <translation>“%1” in the time field is not a readable time</translation>
    </message>
    <message>
        <source>Hibás időpont; a látható jelentés a(z) %1 időpontra szól.</source>
        <translation>Wrong time; the report shown is for %1.</translation>
    </message>
    <message>
        <source>A nap legjobb időpontja</source>
        <translation>The best time of the day</translation>
    </message>
    <message>
        <source>A legközelebbi esély</source>
        <translation>The nearest chance</translation>
    </message>
    <message>
        <source>%1 este: %2, %3</source>
        <translation>%1 evening: %2, %3</translation>
    </message>
    <message>
        <source>%1 hajnal: %2, %3</source>
        <translation>%1 dawn: %2, %3</translation>
    </message>
    <message>
        <source>Előtte kihagyva: %1</source>
        <translation>Passed over before it: %1</translation>
    </message>
    <message>
        <source>A következő, legalább C osztályú esély</source>
        <translation>The next chance of at least class C</translation>
    </message>
    <message>
        <source>Nincs A, B vagy C osztályú este vagy hajnal 60 napon belül ezen a helyen.</source>
        <translation>No evening or dawn of class A, B or C within 60 days at this site.</translation>
    </message>
    <message>
        <source>Nincs holdsarló-este vagy -hajnal 60 napon belül ezen a helyen.</source>
        <translation>No crescent evening or dawn within 60 days at this site.</translation>
    </message>
    <message>
        <source>ma</source>
        <translation>today</translation>
    </message>
    <message>
        <source>holnap</source>
        <translation>tomorrow</translation>
    </message>
    <message>
        <source>%1 nap múlva</source>
        <translation>in %1 days</translation>
    </message>
    <message>
        <source>a sarló nem látható</source>
        <translation>the crescent is not visible</translation>
    </message>
    <message>
        <source>Yallop %1 (%2)</source>
        <translation>Yallop %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 – %5</source>
        <translation>%1: %2 %3, %4 – %5</translation>
    </message>
    <message>
        <source>este</source>
        <translation>in the evening</translation>
    </message>
    <message>
        <source>hajnalban</source>
        <translation>at dawn</translation>
    </message>
    <message>
        <source>A jelentés a(z) %1 időpontra szól; az új időponthoz nyomja meg az Entert.</source>
        <translation>The report is for %1; press Enter for the new time.</translation>
    </message>
    <message>
        <source>az időpont mezőben álló „%1” időponthoz még nincs jelentés (Enter számolja ki)</source>
        <translation>no report yet for “%1” in the time field (Enter computes it)</translation>
    </message>
    <message>
        <source>Nincs új jelentés a másoláshoz: %1.
A látható jelentés a(z) %2 időpontra szól; a vágólap nem változott.</source>
        <translation>No new report to copy: %1.
The report shown is for %2; the clipboard has not changed.</translation>
    </message>
    <message>
        <source>Nincs jelentés a másoláshoz: %1.</source>
        <translation>No report to copy: %1.</translation>
    </message>
    <message>
        <source>Holdsarló láthatósága</source>
        <translation>Crescent visibility</translation>
    </message>
    <message>
        <source>&amp;Időpont:</source>
        <translation>&amp;Time:</translation>
    </message>
    <message>
        <source>Időpont (helyi idő)</source>
        <translation>Time (local time)</translation>
    </message>
    <message>
        <source>M&amp;ost</source>
        <translation>&amp;Now</translation>
    </message>
    <message>
        <source>Megfigyelőhely neve</source>
        <translation>Name of the observing site</translation>
    </message>
    <message>
        <source>Megfigyelő&amp;hely…</source>
        <translation>Observing &amp;site…</translation>
    </message>
    <message>
        <source>Hely:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>Jelentés</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>&lt;b&gt;az időpontban&lt;/b&gt;</source>
        <translation>&lt;b&gt;at the time&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;a legjobb időpontban&lt;/b&gt;</source>
        <translation>&lt;b&gt;at the best time&lt;/b&gt;</translation>
    </message>
    <message>
        <source>%1 a legjobb időpontban</source>
        <translation>%1 at the best time</translation>
    </message>
    <message>
        <source>&amp;Égbolt</source>
        <translation>S&amp;ky</translation>
    </message>
    <message>
        <source>Térkép</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>&amp;Térkép</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>A holdsarló-vadászat terve</source>
        <translation>The plan of the crescent hunt</translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Másolás</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Kép m&amp;entése…</source>
        <translation>Save &amp;picture…</translation>
    </message>
    <message>
        <source>&amp;Listák számítása erre a helyre…</source>
        <translation>Compute the &amp;lists for this site…</translation>
    </message>
    <message>
        <source>&amp;Bezárás</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Hibás időpont: &quot;%1&quot;
Dátum és idő kell, például 2025.05.27 21:05.</source>
        <translation>Wrong time: &quot;%1&quot;
A date and a time are needed, for example 2025.05.27 21:05.</translation>
    </message>
    <message>
        <source>A legjobb időpontban, %1</source>
        <translation>At the best time, %1</translation>
    </message>
    <message>
        <source>Az időpontban, %1</source>
        <translation>At the time, %1</translation>
    </message>
    <message>
        <source>A kép elmentve: %1</source>
        <translation>Picture saved: %1</translation>
    </message>
    <message>
        <source>Kép mentése</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG kép (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Az öt lista elkészült erre a helyre: %1</source>
        <translation>The five lists are ready for this site: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n napja</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavik::almanac::Crescents</name>
    <message>
        <source>könnyen látható</source>
        <translation>easily visible to the naked eye</translation>
    </message>
    <message>
        <source>jó időben látható</source>
        <translation>visible under perfect conditions</translation>
    </message>
    <message>
        <source>távcső segíthet</source>
        <translation>may need optical aid to find the crescent</translation>
    </message>
    <message>
        <source>csak távcsővel</source>
        <translation>will need optical aid to find the crescent</translation>
    </message>
    <message>
        <source>távcsővel sem</source>
        <translation>not visible with a telescope</translation>
    </message>
    <message>
        <source>nem látható</source>
        <translation>not visible; below the Danjon limit</translation>
    </message>
    <message>
        <source>szabad szemmel látható</source>
        <translation>visible by naked eye</translation>
    </message>
    <message>
        <source>távcsővel látható, szabad szemmel is lehet</source>
        <translation>visible by optical aid, could be seen by naked eye</translation>
    </message>
    <message>
        <source>csak távcsővel látható</source>
        <translation>visible by optical aid only</translation>
    </message>
    <message>
        <source>távcsővel sem látható</source>
        <translation>not visible even by optical aid</translation>
    </message>
</context>
<context>
    <name>tavik::almanac::Eclipses</name>
    <message>
        <source>teljes</source>
        <translation>total</translation>
    </message>
    <message>
        <source>gyűrűs</source>
        <translation>annular</translation>
    </message>
    <message>
        <source>hibrid</source>
        <translation>hybrid</translation>
    </message>
    <message>
        <source>részleges</source>
        <translation>partial</translation>
    </message>
    <message>
        <source>félárnyékos</source>
        <translation>penumbral</translation>
    </message>
</context>
<context>
    <name>tavik::almanac::Ephemeris</name>
    <message>
        <source>hiányzik a(z) %1 efemeriszfájl</source>
        <translation>the ephemeris file %1 is missing</translation>
    </message>
    <message>
        <source>sérült a(z) %1 efemeriszfájl</source>
        <translation>the ephemeris file %1 is damaged</translation>
    </message>
    <message>
        <source>a(z) %1 efemeriszfájl nem használható</source>
        <translation>the ephemeris file %1 cannot be used</translation>
    </message>
    <message>
        <source>az időpont kívül esik az efemerisz időszakán</source>
        <translation>the time lies outside the span of the ephemeris</translation>
    </message>
    <message>
        <source>A(z) %1 mappában nincsenek efemeriszfájlok (sepl_18.se1, semo_18.se1).</source>
        <translation>There are no ephemeris files (sepl_18.se1, semo_18.se1) in the folder %1.</translation>
    </message>
    <message>
        <source>Az efemerisz nem tudott számolni (%1): %2</source>
        <translation>The ephemeris could not compute (%1): %2</translation>
    </message>
    <message>
        <source>ismeretlen hiba</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Az efemeriszfájlok nem fedik le ezt az időpontot (%1): %2</source>
        <translation>The ephemeris files do not cover this time (%1): %2</translation>
    </message>
    <message>
        <source>a könyvtár a beépített sorra váltott</source>
        <translation>the library fell back on its built-in series</translation>
    </message>
</context>
<context>
    <name>tavik::almanac::Lists</name>
    <message>
        <source>nem látható</source>
        <translation>not visible</translation>
    </message>
    <message>
        <source> napkeltekor</source>
        <translation> at sunrise</translation>
    </message>
    <message>
        <source> napnyugtakor</source>
        <translation> at sunset</translation>
    </message>
    <message>
        <source>igen</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nem</source>
        <translation>no</translation>
    </message>
    <message>
        <source>,</source>
        <comment>decimal separator</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>%1 perc</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 óra %2 perc</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>É</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>D</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>K</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Ny</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>(helyi idő)</source>
        <translation>(local time)</translation>
    </message>
    <message>
        <source>(-: újhold előtt)</source>
        <translation>(-: before new moon)</translation>
    </message>
    <message>
        <source>Láthatóság</source>
        <translation>Visibility</translation>
    </message>
    <message>
        <source>(Yallop q szerint)</source>
        <translation>(by Yallop&apos;s q)</translation>
    </message>
    <message>
        <source>Legnagyobb fázis  Típus      Nagyság  Itt a legnagyobb látható fázis</source>
        <comment>columns of 18, 11 and 9 characters</comment>
        <translation>Greatest phase    Type       Magn.    Greatest phase seen here</translation>
    </message>
    <message>
        <source>(helyi idő)                           (%1)</source>
        <comment>38 characters before the parenthesis</comment>
        <translation>(local time)                          (%1)</translation>
    </message>
    <message>
        <source>Legnagyobb fázis  Típus        Árnyék-   Félárnyék-  A Hold a látóhatár felett?</source>
        <comment>columns of 18, 13, 10 and 12 characters</comment>
        <translation>Greatest phase    Type         Umbral    Penumbral   Is the Moon above the horizon?</translation>
    </message>
    <message>
        <source>(helyi idő)                    nagyság   nagyság     (%1)</source>
        <comment>columns of 31, 10 and 12 characters</comment>
        <translation>(local time)                   magnitude magnitude   (%1)</translation>
    </message>
    <message>
        <source>Alsó         Esti sarló (fázis &lt; 50%)    Hajnali sarló (fázis &lt; 50%) Legvékonyabb</source>
        <comment>columns of 13, 28 and 28 characters</comment>
        <translation>Inferior     Evening crescent (&lt; 50%)    Morning crescent (&lt; 50%)    Thinnest</translation>
    </message>
    <message>
        <source>együttállás  első nap     utolsó nap     első nap     utolsó nap     látott sarló</source>
        <comment>columns of 13, 13, 15, 13 and 15 characters</comment>
        <translation>conjunction  first day    last day       first day    last day       crescent seen</translation>
    </message>
    <message>
        <source>este</source>
        <comment>crescent list: 6 characters at most</comment>
        <translation>eve</translation>
    </message>
    <message>
        <source>reggel</source>
        <comment>crescent list: 6 characters at most</comment>
        <translation>morn</translation>
    </message>
</context>
<context>
    <name>tavik::maps</name>
    <message>
        <source>%1 hajnalán sehol sincs óhold: a térkép minden pontján az együttállás (%2 UT) után kel a Nap. Az óholdat a korábbi hajnalok térképe mutatja.</source>
        <translation>No old crescent anywhere on the morning of %1: the Sun rises after the conjunction (%2 UT) at every place of the map. The maps of the mornings before show the old Moon.</translation>
    </message>
    <message>
        <source>%1 estéjén sehol sincs újhold: a térkép minden pontján az együttállás (%2 UT) előtt nyugszik a Nap. Az újholdat a későbbi esték térképe mutatja.</source>
        <translation>No young crescent anywhere on the evening of %1: the Sun sets before the conjunction (%2 UT) at every place of the map. The maps of the evenings after show the young Moon.</translation>
    </message>
    <message>
        <source>Yallop-féle q</source>
        <translation>Yallop&apos;s q</translation>
    </message>
    <message>
        <source>Odeh-féle V</source>
        <translation>Odeh&apos;s V</translation>
    </message>
    <message>
        <source>a Hold a Nap után kel</source>
        <translation>the Moon rises after the Sun</translation>
    </message>
    <message>
        <source>a Hold a Nap előtt nyugszik</source>
        <translation>the Moon sets before the Sun</translation>
    </message>
    <message>
        <source>napkelte az együttállás után</source>
        <translation>sunrise after the conjunction</translation>
    </message>
    <message>
        <source>napnyugta az együttállás előtt</source>
        <translation>sunset before the conjunction</translation>
    </message>
    <message>
        <source>nincs napkelte</source>
        <translation>no sunrise</translation>
    </message>
    <message>
        <source>nincs napnyugta</source>
        <translation>no sunset</translation>
    </message>
    <message>
        <source>Holdsarló láthatósága %1 hajnalban – %2 – együttállás: %3 UT</source>
        <translation>Crescent visibility %1 at dawn – %2 – conjunction: %3 UT</translation>
    </message>
    <message>
        <source>Holdsarló láthatósága %1 este – %2 – együttállás: %3 UT</source>
        <translation>Crescent visibility %1 in the evening – %2 – conjunction: %3 UT</translation>
    </message>
</context>
</TS>
