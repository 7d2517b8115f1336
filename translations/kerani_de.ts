<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Kerani</source>
        <translation>Über Kerani</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Kerani&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A desktop world clock: one small window with the time, the date and the Hijri date of every city you choose.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Kerani&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Eine Weltuhr für den Desktop: ein kleines Fenster mit der Uhrzeit, dem Datum und dem islamischen Datum jeder Stadt, die Sie wählen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>%1 could not be made when Kerani started, and Kerani runs on its factory copy %2, which it never changes.</source>
        <translation>%1 konnte beim Start von Kerani nicht angelegt werden. Kerani arbeitet daher mit der Werkskopie %2, die es nie verändert.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist and cannot be made</source>
        <translation>der Ordner %1 existiert nicht und kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>It runs on the factory settings.</source>
        <translation>Kerani läuft mit den Werkseinstellungen.</translation>
    </message>
    <message>
        <source>It runs on the settings saved before.</source>
        <translation>Kerani läuft mit den zuletzt gespeicherten Einstellungen.</translation>
    </message>
    <message>
        <source>Kerani cannot save any changes: %1.

%2</source>
        <translation>Kerani kann keine Änderungen speichern: %1.

%2</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;New Clock...</source>
        <translation>&amp;Neue Uhr...</translation>
    </message>
    <message>
        <source>&amp;Add Country/City...</source>
        <translation>&amp;Land/Stadt hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Kerani v%1</source>
        <translation>Kerani v%1</translation>
    </message>
    <message>
        <source>&amp;Copy Times</source>
        <translation>Zeiten &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>CityCombo</name>
    <message>
        <source>Type to search</source>
        <translation>Zum Suchen tippen</translation>
    </message>
    <message>
        <source>Matching cities</source>
        <translation>Passende Städte</translation>
    </message>
</context>
<context>
    <name>CityEditor</name>
    <message>
        <source>One or more field(s) are empty</source>
        <translation>Mindestens ein Feld ist leer</translation>
    </message>
    <message>
        <source>Wrong Time Zone Format</source>
        <translation>Falsches Format der Zeitzone</translation>
    </message>
    <message>
        <source>Select Flag First.</source>
        <translation>Wählen Sie zuerst eine Flagge aus.</translation>
    </message>
    <message>
        <source>There is no country to delete.</source>
        <translation>Es gibt kein Land, das gelöscht werden kann.</translation>
    </message>
    <message>
        <source>Select the country to delete in the list.</source>
        <translation>Wählen Sie das zu löschende Land in der Liste aus.</translation>
    </message>
    <message>
        <source>You can not delete this country
because it is in-use.</source>
        <translation>Dieses Land kann nicht gelöscht werden,
weil es verwendet wird.</translation>
    </message>
    <message>
        <source>Country/City not found!</source>
        <translation>Land/Stadt nicht gefunden!</translation>
    </message>
    <message>
        <source>The file name must be 3 letters length
and be placed in [flags] directory.</source>
        <translation>Der Dateiname muss aus 3 Buchstaben bestehen,
und die Datei muss im Ordner [flags] liegen.</translation>
    </message>
    <message>
        <source>Do you want to delete this country?</source>
        <translation>Möchten Sie dieses Land löschen?</translation>
    </message>
    <message>
        <source>Add Country/City</source>
        <translation>Land/Stadt hinzufügen</translation>
    </message>
    <message>
        <source>Country/City N&amp;ame</source>
        <translation>N&amp;ame des Landes/der Stadt</translation>
    </message>
    <message>
        <source>&amp;Time Zone</source>
        <translation>&amp;Zeitzone</translation>
    </message>
    <message>
        <source>[Ex. +02:00]</source>
        <translation>[z. B. +02:00]</translation>
    </message>
    <message>
        <source>Flag picture</source>
        <translation>Bild der Flagge</translation>
    </message>
    <message>
        <source>F&amp;lag</source>
        <translation>&amp;Flagge</translation>
    </message>
    <message>
        <source>Flag code</source>
        <translation>Kürzel der Flagge</translation>
    </message>
    <message>
        <source>&amp;From File</source>
        <translation>Aus &amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Country/City List</source>
        <translation>Länder und Städte</translation>
    </message>
    <message>
        <source>Please Wait .....</source>
        <translation>Bitte warten .....</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search the city list</source>
        <translation>Die Städteliste durchsuchen</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The city line &quot;%1&quot; is not well-formed.</source>
        <translation>Die Zeile „%1“ der Städteliste ist fehlerhaft.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 konnte nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>The city list could not be saved.
%1</source>
        <translation>Die Städteliste konnte nicht gespeichert werden.
%1</translation>
    </message>
</context>
<context>
    <name>ClockListEditor</name>
    <message>
        <source>New Clock</source>
        <translation>Neue Uhr</translation>
    </message>
    <message>
        <source> Select Country/City </source>
        <translation> Land/Stadt auswählen </translation>
    </message>
    <message>
        <source>Country or city</source>
        <translation>Land oder Stadt</translation>
    </message>
    <message>
        <source>&amp;Add To List</source>
        <translation>Zur Liste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the clock up</source>
        <translation>Uhr nach oben verschieben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the clock down</source>
        <translation>Uhr nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Remove From List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Please Wait .....</source>
        <translation>Bitte warten .....</translation>
    </message>
    <message>
        <source>The list cannot hold more than %1 clocks.</source>
        <translation>Die Liste kann nicht mehr als %1 Uhren aufnehmen.</translation>
    </message>
    <message>
        <source>You must have one country at least.</source>
        <translation>Mindestens ein Land muss in der Liste bleiben.</translation>
    </message>
    <message>
        <source>There are no country to remove.</source>
        <translation>Es gibt kein Land, das entfernt werden kann.</translation>
    </message>
    <message>
        <source>Select country first.</source>
        <translation>Wählen Sie zuerst ein Land aus.</translation>
    </message>
    <message>
        <source>The list is empty ?!</source>
        <translation>Die Liste ist leer?!</translation>
    </message>
    <message>
        <source>The clock list could not be saved: %1</source>
        <translation>Die Uhrenliste konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Clocks list are saved!</source>
        <translation>Die Uhrenliste ist gespeichert!</translation>
    </message>
    <message>
        <source>%1 [%2] (not in the city list)</source>
        <translation>%1 [%2] (nicht in der Städteliste)</translation>
    </message>
    <message>
        <source>The city list no longer holds this city as the clock has it (%1). The clock is kept as it is; remove it and add the city again to take the city list&apos;s line.</source>
        <translation>Die Städteliste enthält diese Stadt nicht mehr so, wie die Uhr sie hat (%1). Die Uhr bleibt, wie sie ist; entfernen Sie sie und fügen Sie die Stadt erneut hinzu, um die Zeile der Städteliste zu übernehmen.</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>The clocks show %1 from now. Click or press Esc to see now.</source>
        <translation>Die Uhren zeigen die Zeit um %1 gegenüber jetzt verschoben. Klicken oder Esc drücken, um die aktuelle Zeit zu sehen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; zeigt die Optionen.</translation>
    </message>
    <message>
        <source>Kerani, a desktop world clock. Without options it shows its clock window.</source>
        <translation>Kerani, eine Weltuhr für den Desktop. Ohne Optionen zeigt es sein Uhrenfenster.</translation>
    </message>
    <message>
        <source>Print the clocks as text and end, without a window: one line per clock, with its name, time, date, opposite date and followed zone, separated by tabs.</source>
        <translation>Gibt die Uhren als Text aus und endet, ohne Fenster: eine Zeile je Uhr mit Name, Uhrzeit, Datum, islamischem Datum und verfolgter Zeitzone, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>With --print: the clocks at this instant instead of now, in ISO 8601 with Z or an offset (2026-03-29T00:59:59Z, 2026-03-29T02:59:59+02:00).</source>
        <translation>Mit --print: die Uhren zu diesem Zeitpunkt statt jetzt, in ISO 8601 mit Z oder einem Versatz (2026-03-29T00:59:59Z, 2026-03-29T02:59:59+02:00).</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--at goes with --print.</source>
        <translation>--at gibt es nur zusammen mit --print.</translation>
    </message>
    <message>
        <source>--at needs an instant in ISO 8601 with Z or an offset from UTC, such as 2026-03-29T00:59:59Z or 2026-03-29T02:59:59+02:00, in the years 1000 to 9999, not &apos;%1&apos;.</source>
        <translation>--at braucht einen Zeitpunkt in ISO 8601 mit Z oder einem Versatz zu UTC, etwa 2026-03-29T00:59:59Z oder 2026-03-29T02:59:59+02:00, in den Jahren 1000 bis 9999, nicht &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>LookAhead</name>
    <message>
        <source>%1 d</source>
        <translation>%1 Tg.</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 Std. %2</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
</context>
<context>
    <name>MenuLauncher</name>
    <message>
        <source>Kerani: click for the menu</source>
        <translation>Kerani: Klicken öffnet das Menü</translation>
    </message>
    <message>
        <source>Kerani menu</source>
        <translation>Kerani-Menü</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Long Date</source>
        <translation>Langes Datum</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Optionen </translation>
    </message>
    <message>
        <source>&amp;Hide SysTray Icon</source>
        <translation>Sy&amp;mbol im Infobereich ausblenden</translation>
    </message>
    <message>
        <source>Clocks &amp;Always On Top</source>
        <translation>Uhren immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Display Cloc&amp;k</source>
        <translation>&amp;Zifferblatt anzeigen</translation>
    </message>
    <message>
        <source>Display &amp;Time</source>
        <translation>&amp;Uhrzeit anzeigen</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <extracomment>The long formats show the seconds.</extracomment>
        <translation>12 Stunden (AM/PM)</translation>
    </message>
    <message>
        <source>24Hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Long AM/PM</source>
        <translation>12 Stunden mit Sekunden</translation>
    </message>
    <message>
        <source>Long 24Hour</source>
        <translation>24 Stunden mit Sekunden</translation>
    </message>
    <message>
        <source>Time &amp;Format :</source>
        <translation>Zeitf&amp;ormat:</translation>
    </message>
    <message>
        <source>Display &amp;Date</source>
        <translation>&amp;Datum anzeigen</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Date Fo&amp;rmat :</source>
        <translation>D&amp;atumsformat:</translation>
    </message>
    <message>
        <source>Display &amp;Opposite Date</source>
        <extracomment>The opposite date: the date in the Hijri calendar.</extracomment>
        <translation>&amp;Islamisches Datum anzeigen</translation>
    </message>
    <message>
        <source>Opposite Date Format</source>
        <translation>Format des islamischen Datums</translation>
    </message>
    <message>
        <source>Date For&amp;mat :</source>
        <translation>Datums&amp;format:</translation>
    </message>
    <message>
        <source>Opposite Date Differences</source>
        <translation>Verschiebung des islamischen Datums</translation>
    </message>
    <message>
        <source>Opposite Date Diffr&amp;ences</source>
        <translation>Verschiebung in &amp;Tagen:</translation>
    </message>
    <message>
        <source>Follow Daylight Sa&amp;ving Time</source>
        <translation>Sommerzeit be&amp;rücksichtigen</translation>
    </message>
    <message>
        <source> Local Country/City </source>
        <translation> Eigenes Land, eigene Stadt </translation>
    </message>
    <message>
        <source>Local Country/City</source>
        <translation>Eigenes Land, eigene Stadt</translation>
    </message>
    <message>
        <source> Clock Style </source>
        <translation> Aussehen der Uhren </translation>
    </message>
    <message>
        <source>Style_%1</source>
        <extracomment>A clock face&apos;s name, as the help file gives it (&quot;Style_01&quot;).</extracomment>
        <translation>Style_%1</translation>
    </message>
    <message>
        <source>Clock Picture</source>
        <translation>Zifferblatt</translation>
    </message>
    <message>
        <source>Clock &amp;Picture :</source>
        <translation>Ziffer&amp;blatt:</translation>
    </message>
    <message>
        <source>Clocks BackGround :</source>
        <translation>Hintergrund der Uhren:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keiner</translation>
    </message>
    <message>
        <source>Pict&amp;ure</source>
        <translation>Bi&amp;ld</translation>
    </message>
    <message>
        <source>Select background picture</source>
        <translation>Hintergrundbild auswählen</translation>
    </message>
    <message>
        <source>Solid Co&amp;lor</source>
        <translation>&amp;Einfarbig</translation>
    </message>
    <message>
        <source>Solid colour</source>
        <translation>Einheitliche Farbe</translation>
    </message>
    <message>
        <source>Select solid colour</source>
        <translation>Einheitliche Farbe auswählen</translation>
    </message>
    <message>
        <source>&amp;Gradient/One Color</source>
        <translation>Verlauf aus ei&amp;ner Farbe</translation>
    </message>
    <message>
        <source>Gradient colour</source>
        <translation>Farbe des Verlaufs</translation>
    </message>
    <message>
        <source>Select gradient colour</source>
        <translation>Farbe des Verlaufs auswählen</translation>
    </message>
    <message>
        <source>Reverse D&amp;ir</source>
        <translation>Richtun&amp;g umkehren</translation>
    </message>
    <message>
        <source>Gradient/T&amp;wo Colors</source>
        <translation>Verlauf aus z&amp;wei Farben</translation>
    </message>
    <message>
        <source>Top colour</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Select top colour</source>
        <translation>Obere Farbe auswählen</translation>
    </message>
    <message>
        <source>Bottom colour</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Select bottom colour</source>
        <translation>Untere Farbe auswählen</translation>
    </message>
    <message>
        <source>Clock style preview</source>
        <translation>Vorschau der Uhren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Style not found!</source>
        <translation>Zifferblatt nicht gefunden!</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>The options could not be saved: %1</source>
        <translation>Die Optionen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Options are saved !</source>
        <translation>Die Optionen sind gespeichert!</translation>
    </message>
    <message>
        <source>Keep Window Position</source>
        <translation>Fensterposition beibehalten</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>%1 cannot be read, so it was not changed.</source>
        <translation>%1 kann nicht gelesen werden und wurde daher nicht geändert.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, else &quot;LTR&quot;.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, too large to be read.</source>
        <translation>%1 ist größer als %2 Byte und zu groß, um gelesen zu werden.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>%1 ist eine Verknüpfung auf %2, das nicht existiert.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a chain of links that does not end.</source>
        <translation>%1 ist eine Kette von Verknüpfungen ohne Ende.</translation>
    </message>
</context>
<context>
    <name>ScratchReplace</name>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced through a scratch file of its own name.</source>
        <translation>%1 kann nicht über eine Zwischendatei gleichen Namens ersetzt werden.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 konnte nicht ersetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWriter</name>
    <message>
        <source>The setting %1/%2 cannot hold a line break, so the settings were not saved.</source>
        <translation>Die Einstellung %1/%2 darf keinen Zeilenumbruch enthalten, daher wurden die Einstellungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>The window&apos;s place on these screens cannot be stored.</source>
        <translation>Die Position des Fensters auf diesen Bildschirmen kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ZoneClockSet</name>
    <message>
        <source>Fixed offset: the zones %1 fit this city but keep different times.</source>
        <translation>Fester Versatz: Die Zeitzonen %1 passen zu dieser Stadt, zeigen aber verschiedene Zeiten.</translation>
    </message>
    <message>
        <source>%1 (%2, now %3 %4)</source>
        <translation>%1 (%2, jetzt %3 %4)</translation>
    </message>
</context>
<context>
    <name>ZoneToolTip</name>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <extracomment>Hours and minutes of a time difference: &quot;5 h 30&quot;.</extracomment>
        <translation>%1 Std. %2</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n Tag später</numerusform>
            <numerusform>%n Tage später</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n Tag früher</numerusform>
            <numerusform>%n Tage früher</numerusform>
        </translation>
    </message>
    <message>
        <source>same time</source>
        <translation>gleiche Uhrzeit</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the time difference, then the day</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy</source>
        <comment>the date of the coming change, as a QDate format</comment>
        <translation>ddd, d. MMM yyyy</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 at %2, to %3</source>
        <translation>Am %1 um %2 werden die Uhren auf %3 vorgestellt</translation>
    </message>
    <message>
        <source>Clocks go back on %1 at %2, to %3</source>
        <translation>Am %1 um %2 werden die Uhren auf %3 zurückgestellt</translation>
    </message>
</context>
</TS>
