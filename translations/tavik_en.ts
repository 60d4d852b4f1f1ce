<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>Almanac</name>
    <message>
        <source>Az efemeriszfájlok nem fedik le ezt az időpontot: --%1 &quot;%2&quot; (a fájlok 1800.01.01-től 2399.12.31-ig tartanak, és a számítás hetekkel előtte és utána is olvas belőlük)</source>
        <translation>The ephemeris files do not cover this time: --%1 &quot;%2&quot; (the files run from 1800.01.01 to 2399.12.31, and the computation reads them weeks before and after it)</translation>
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
        <source>A --date napján (%1) nincs holdsarló: a legközelebbi együttállás %2 UT. A térkép az együttállás előtti és utáni %3 napra készül.
</source>
        <translation>There is no crescent on the --date day (%1): the nearest conjunction is at %2 UT. Maps are drawn for the %3 days before and after a conjunction.
</translation>
    </message>
</context>
<context>
    <name>MapSheet</name>
    <message>
        <source>Holdsarló láthatósága – %1 – együttállás: %2 UT</source>
        <translation>Crescent visibility – %1 – conjunction: %2 UT</translation>
    </message>
    <message>
        <source>hajnalban</source>
        <translation>dawn</translation>
    </message>
    <message>
        <source>este</source>
        <translation>evening</translation>
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
        <translation>&amp;Early crescents</translation>
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
        <translation>&amp;Visibility</translation>
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
</TS>
