<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>ZQ-L52

ZQ-L52 Data
Data Files (*.VLK)
.vlk
ZQ-L52.Document
ZQ-L52 Document</source>
        <comment>128</comment>
        <translation>ZQ-L52

ZQ-L52-Daten
Klondateien (*.VLK)
.vlk
ZQ-L52.Document
ZQ-L52-Dokument</translation>
    </message>
    <message>
        <source>Cloning</source>
        <comment>156</comment>
        <translation>Klonen</translation>
    </message>
    <message>
        <source> Cloning completed.</source>
        <comment>5026</comment>
        <translation> Klonen abgeschlossen.</translation>
    </message>
    <message>
        <source> Err: Cannot read cloning data.</source>
        <comment>5027</comment>
        <translation> Fehler: Die Klondaten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source> Err: Cannot write cloning data.</source>
        <comment>5028</comment>
        <translation> Fehler: Die Klondaten können nicht geschrieben werden.</translation>
    </message>
    <message>
        <source> Err: Illegal information.</source>
        <comment>5029</comment>
        <translation> Fehler: Ungültige Informationen.</translation>
    </message>
    <message>
        <source> The transceiver cannot be programmed. The cause may be:

 1) The transceiver has not been cloned.
 2) The transceiver&apos;s EEPROM is damaged.
 3) The transceiver&apos;s revision number is not compatible
    with the programming software.

 In cases 1 or 2, the transceiver requires factory
 maintenance. In case 3, the transceiver cannot be
 programmed using this program.

</source>
        <comment>5030</comment>
        <translation> Der Transceiver kann nicht programmiert werden. Mögliche Ursachen:

 1) Der Transceiver wurde nicht geklont.
 2) Das EEPROM des Transceivers ist beschädigt.
 3) Die Revisionsnummer des Transceivers ist mit der
    Programmiersoftware nicht kompatibel.

 In den Fällen 1 und 2 muss der Transceiver vom Hersteller
 gewartet werden. Im Fall 3 kann der Transceiver mit diesem
 Programm nicht programmiert werden.

</translation>
    </message>
    <message>
        <source> Terminated cloning.  </source>
        <comment>5031</comment>
        <translation> Klonen abgebrochen.  </translation>
    </message>
    <message>
        <source> Err: Cannot access RS-232C port.</source>
        <comment>5032</comment>
        <translation> Fehler: Kein Zugriff auf den RS-232C-Port.</translation>
    </message>
    <message>
        <source> Clone writing succeeded. 

 Turn the transceiver power off and on to use 
 the transceiver under its new conditions.
</source>
        <comment>5034</comment>
        <translation> Die Klondaten wurden erfolgreich geschrieben. 

 Schalten Sie den Transceiver aus und wieder ein, 
 um ihn mit den neuen Einstellungen zu verwenden.
</translation>
    </message>
    <message>
        <source> Check the following:

 - The RS-232C port settings.
 - Cloning cable connections.
 - Transceiver power is ON.</source>
        <comment>5035</comment>
        <translation> Prüfen Sie Folgendes:

 - Die Einstellungen des RS-232C-Ports.
 - Die Anschlüsse des Klonkabels.
 - Der Transceiver ist eingeschaltet.</translation>
    </message>
    <message>
        <source> Now reading &lt;- TR</source>
        <comment>5040</comment>
        <translation> Wird gelesen &lt;- TR</translation>
    </message>
    <message>
        <source> Now writing -&gt; TR</source>
        <comment>5041</comment>
        <translation> Wird geschrieben -&gt; TR</translation>
    </message>
    <message>
        <source> Read from transceiver</source>
        <comment>5054</comment>
        <translation> Vom Transceiver lesen</translation>
    </message>
    <message>
        <source> Data has been edited.</source>
        <comment>5055</comment>
        <translation> obwohl die Daten bearbeitet wurden.</translation>
    </message>
    <message>
        <source> Write to transceiver</source>
        <comment>5056</comment>
        <translation> In den Transceiver schreiben</translation>
    </message>
    <message>
        <source> The last CH(99ch) is not blank. Cannot insert a blank channel.</source>
        <comment>5057</comment>
        <translation> Der letzte Kanal (99) ist nicht leer. Es kann kein Leerkanal eingefügt werden.</translation>
    </message>
    <message>
        <source> Err: Version number does not match.</source>
        <comment>5058</comment>
        <translation> Fehler: Die Versionsnummer stimmt nicht überein.</translation>
    </message>
    <message>
        <source> Overwite here ?    </source>
        <comment>5059</comment>
        <translation> Hier überschreiben?    </translation>
    </message>
    <message>
        <source> Check the following:<byte value="xd"/>
<byte value="xd"/>
 - The RS-232C port settings.<byte value="xd"/>
 - Cloning cable connections.<byte value="xd"/>
 - Appropriate cloning software for the transceiver is being used.<byte value="xd"/>
 - The revision number of the transceiver.
</source>
        <comment>5061</comment>
        <translation> Prüfen Sie Folgendes:<byte value="xd"/>
<byte value="xd"/>
 - Die Einstellungen des RS-232C-Ports.<byte value="xd"/>
 - Die Anschlüsse des Klonkabels.<byte value="xd"/>
 - Es wird die passende Klonsoftware für den Transceiver verwendet.<byte value="xd"/>
 - Die Revisionsnummer des Transceivers.
</translation>
    </message>
    <message>
        <source>Thank you for purchasing this Velk ZQ-L52 cloning software.<byte value="xd"/>
<byte value="xd"/>
To use this software, the transceiver&apos;s version must be recognized.  Therefore the following start-up operation is necessary in advance.<byte value="xd"/>
<byte value="xd"/>
If an VL-L52 is not on hand, push [Cancel] to skip the initial setup.This program can be used to edit data although actual cloning operations cannot be performed in such cases.<byte value="xd"/>
<byte value="xd"/>
START-UP OPERATION<byte value="xd"/>
<byte value="xd"/>
(1) Be sure the transceiver and PC are connected using the cloning cable.If they are not yet connected, turn all power OFF, then connect the cable in advance.<byte value="xd"/>
<byte value="xd"/>
(2) Turn the transceiver power ON and select the RS-232C port.<byte value="xd"/>
<byte value="xd"/>
(3) Push [OK] to start the initial setup.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>5062</comment>
        <translation>Vielen Dank, dass Sie sich für die Klonsoftware Velk ZQ-L52 entschieden haben.<byte value="xd"/>
<byte value="xd"/>
Damit Sie diese Software verwenden können, muss die Version des Transceivers erkannt werden. Deshalb ist vorab die folgende Vorbereitung nötig.<byte value="xd"/>
<byte value="xd"/>
Wenn Sie keinen VL-L52 zur Hand haben, klicken Sie auf [Abbrechen], um die Ersteinrichtung zu überspringen. Das Programm kann dann zum Bearbeiten von Daten verwendet werden, das eigentliche Klonen ist jedoch nicht möglich.<byte value="xd"/>
<byte value="xd"/>
VORBEREITUNG<byte value="xd"/>
<byte value="xd"/>
(1) Stellen Sie sicher, dass Transceiver und PC über das Klonkabel verbunden sind. Falls sie noch nicht verbunden sind, schalten Sie zuerst alle Geräte aus und schließen Sie dann das Kabel an.<byte value="xd"/>
<byte value="xd"/>
(2) Schalten Sie den Transceiver ein, und wählen Sie den RS-232C-Port.<byte value="xd"/>
<byte value="xd"/>
(3) Klicken Sie auf [OK], um die Ersteinrichtung zu starten.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Call Sign</source>
        <comment>5063</comment>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>COM Port</source>
        <comment>5064</comment>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>      </source>
        <comment>5065</comment>
        <translation>      </translation>
    </message>
    <message>
        <source> The transceiver cannot be programmed with the
current setting. The transceiver&apos;s version 
does not match the initial setup.
</source>
        <comment>5066</comment>
        <translation> Der Transceiver kann mit der aktuellen
Einstellung nicht programmiert werden. Seine Version 
entspricht nicht der Ersteinrichtung.
</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20100</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20101</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <comment>20102</comment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>ON1: Duplex Only</source>
        <comment>20103</comment>
        <translation>ON1: Nur Duplex</translation>
    </message>
    <message>
        <source>ON2: Duplex &amp; Tone</source>
        <comment>20104</comment>
        <translation>ON2: Duplex und Ton</translation>
    </message>
    <message>
        <source>---</source>
        <comment>20105</comment>
        <translation>---</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20110</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>20 min</source>
        <comment>20111</comment>
        <translation>20 min</translation>
    </message>
    <message>
        <source>40 min</source>
        <comment>20112</comment>
        <translation>40 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <comment>20113</comment>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <comment>20114</comment>
        <translation>Auto-Abschaltung</translation>
    </message>
    <message>
        <source>RF Power</source>
        <comment>20115</comment>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <comment>20116</comment>
        <translation>Relais-Automatik</translation>
    </message>
    <message>
        <source>Scan Timer</source>
        <comment>20117</comment>
        <translation>Suchlauf-Timer</translation>
    </message>
    <message>
        <source>RIT Selection</source>
        <comment>20118</comment>
        <translation>RIT-Auswahl</translation>
    </message>
    <message>
        <source>KQ18/A Function</source>
        <comment>20119</comment>
        <translation>KQ18/A-Funktion</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <comment>20120</comment>
        <translation>LCD-Kontrast</translation>
    </message>
    <message>
        <source>Display Back Light</source>
        <comment>20121</comment>
        <translation>Displaybeleuchtung</translation>
    </message>
    <message>
        <source>P-2: Pauses until signal</source>
        <comment>20123</comment>
        <translation>P-2: Pause bis Signalende</translation>
    </message>
    <message>
        <source>T-10: Pauses 10 sec</source>
        <comment>20124</comment>
        <translation>T-10: Pause 10 s</translation>
    </message>
    <message>
        <source>Normal 1</source>
        <comment>20125</comment>
        <translation>Normal 1</translation>
    </message>
    <message>
        <source>Normal 2</source>
        <comment>20126</comment>
        <translation>Normal 2</translation>
    </message>
    <message>
        <source>Simple</source>
        <comment>20127</comment>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>1: Low</source>
        <comment>20128</comment>
        <translation>1: Niedrig</translation>
    </message>
    <message>
        <source>2: High</source>
        <comment>20129</comment>
        <translation>2: Hoch</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>20130</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Automatic</source>
        <comment>20131</comment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On</source>
        <comment>20132</comment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <comment>20133</comment>
        <translation>Quittungston</translation>
    </message>
    <message>
        <source>Indication Mode</source>
        <comment>20134</comment>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Power Save</source>
        <comment>20135</comment>
        <translation>Stromsparfunktion</translation>
    </message>
    <message>
        <source>Voltage Indication</source>
        <comment>20136</comment>
        <translation>Spannungsanzeige</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>20137</comment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <comment>20138</comment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>20139</comment>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Edit Memory
Edit Memory</source>
        <comment>32771</comment>
        <translation>Speicherkanal bearbeiten
Speicherkanal bearbeiten</translation>
    </message>
    <message>
        <source>Read From Transceiver
Clone in</source>
        <comment>32774</comment>
        <translation>Vom Transceiver lesen
Klonen: Lesen</translation>
    </message>
    <message>
        <source>Write to Transceiver
Clone out</source>
        <comment>32775</comment>
        <translation>In den Transceiver schreiben
Klonen: Schreiben</translation>
    </message>
    <message>
        <source>Read Information
Clone info.</source>
        <comment>32776</comment>
        <translation>Informationen lesen
Klonen: Info</translation>
    </message>
    <message>
        <source>Indicate Others Sheet
Common Sheet</source>
        <comment>32779</comment>
        <translation>Das Blatt „Allgemein“ anzeigen
Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Indicate DTMF Autodial Sheet
AutoDial Sheet</source>
        <comment>32780</comment>
        <translation>Das Blatt „DTMF-Autowahl“ anzeigen
DTMF-Autowahl</translation>
    </message>
    <message>
        <source>Use COM1
COM1</source>
        <comment>32790</comment>
        <translation>COM1 verwenden
COM1</translation>
    </message>
    <message>
        <source>Use COM2
COM2</source>
        <comment>32791</comment>
        <translation>COM2 verwenden
COM2</translation>
    </message>
    <message>
        <source>Use COM3
COM3</source>
        <comment>32792</comment>
        <translation>COM3 verwenden
COM3</translation>
    </message>
    <message>
        <source>Use COM4
COM4</source>
        <comment>32793</comment>
        <translation>COM4 verwenden
COM4</translation>
    </message>
    <message>
        <source>Choose the serial device of each COM port
Port Devices</source>
        <comment>32794</comment>
        <translation>Das serielle Gerät jedes COM-Ports wählen
Port-Geräte</translation>
    </message>
    <message>
        <source>Delete
Delete</source>
        <comment>32801</comment>
        <translation>Kanal löschen
Löschen</translation>
    </message>
    <message>
        <source>Insert
Insert</source>
        <comment>32802</comment>
        <translation>Leerkanal einfügen
Leerkanal einfügen</translation>
    </message>
    <message>
        <source>Import channels from a CSV file
Import CSV</source>
        <comment>32820</comment>
        <translation>Kanäle aus einer CSV-Datei importieren
CSV importieren</translation>
    </message>
    <message>
        <source>Export the channels to a CSV file
Export CSV</source>
        <comment>32821</comment>
        <translation>Die Kanäle in eine CSV-Datei exportieren
CSV exportieren</translation>
    </message>
    <message>
        <source>Compare the data with a clone data file
Compare with File</source>
        <comment>32822</comment>
        <translation>Die Daten mit einer Klondatei vergleichen
Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Find a channel by its name or frequency
Find</source>
        <comment>32823</comment>
        <translation>Einen Kanal nach Name oder Frequenz suchen
Suchen</translation>
    </message>
    <message>
        <source>Find the next channel that matches
Find Next</source>
        <comment>32824</comment>
        <translation>Den nächsten passenden Kanal suchen
Weitersuchen</translation>
    </message>
    <message>
        <source>Move the selected channel up one row
Move Up</source>
        <comment>32825</comment>
        <translation>Den gewählten Kanal eine Zeile nach oben verschieben
Nach oben</translation>
    </message>
    <message>
        <source>Move the selected channel down one row
Move Down</source>
        <comment>32826</comment>
        <translation>Den gewählten Kanal eine Zeile nach unten verschieben
Nach unten</translation>
    </message>
    <message>
        <source>Sort the memory channels of a range
Sort Channels</source>
        <comment>32827</comment>
        <translation>Die Speicherkanäle eines Bereichs sortieren
Kanäle sortieren</translation>
    </message>
    <message>
        <source>Close the gaps between the memory channels of a range
Compact Channels</source>
        <comment>32828</comment>
        <translation>Die Lücken zwischen den Speicherkanälen eines Bereichs schließen
Kanäle zusammenrücken</translation>
    </message>
    <message>
        <source>Set one field on the memory channels of a range
Fill Range</source>
        <comment>32829</comment>
        <translation>Ein Feld in den Speicherkanälen eines Bereichs setzen
Bereich füllen</translation>
    </message>
    <message>
        <source>Save the channel sheet as a PDF file
Export PDF</source>
        <comment>32830</comment>
        <translation>Die Kanalübersicht als PDF-Datei speichern
PDF exportieren</translation>
    </message>
    <message>
        <source>Open or compare a copy from the archive of every read and write
Open from Archive</source>
        <comment>32831</comment>
        <translation>Eine Kopie aus dem Archiv aller Lese- und Schreibvorgänge öffnen oder vergleichen
Aus Archiv öffnen</translation>
    </message>
    <message>
        <source>Compare the document with the data in the transceiver
Compare with Transceiver</source>
        <comment>32832</comment>
        <translation>Das Dokument mit den Daten im Transceiver vergleichen
Mit Transceiver vergleichen</translation>
    </message>
    <message>
        <source>Check the port, the cable and the transceiver step by step
Check Cable</source>
        <comment>32834</comment>
        <translation>Port, Kabel und Transceiver Schritt für Schritt prüfen
Kabel prüfen</translation>
    </message>
    <message>
        <source>Read the transceiver&apos;s version again, or choose it by hand
Transceiver Setup</source>
        <comment>32845</comment>
        <translation>Die Version des Transceivers erneut lesen oder von Hand wählen
Transceiver einrichten</translation>
    </message>
    <message>
        <source>Setting</source>
        <comment>55302</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>57345</comment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <comment>57600</comment>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <comment>57601</comment>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <comment>57603</comment>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <comment>57604</comment>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Print the channel sheet of the active document
Print</source>
        <comment>57607</comment>
        <translation>Die Kanalübersicht des aktiven Dokuments drucken
Drucken</translation>
    </message>
    <message>
        <source>Display the channel sheet as it will be printed
Print Preview</source>
        <comment>57609</comment>
        <translation>Die Kanalübersicht so anzeigen, wie sie gedruckt wird
Druckvorschau</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57616</comment>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57617</comment>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57618</comment>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Open this document</source>
        <comment>57619</comment>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Clear
Clear</source>
        <comment>57632</comment>
        <translation>Kanal leeren
Leeren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <comment>57634</comment>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen
Kopieren</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <comment>57635</comment>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <comment>57637</comment>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <comment>57643</comment>
        <translation>Die letzte Änderung rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the change that was undone
Redo</source>
        <comment>57644</comment>
        <translation>Die rückgängig gemachte Änderung wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Display program information and version
About</source>
        <comment>57664</comment>
        <translation>Programminformationen und Version anzeigen
Über</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the document
Exit</source>
        <comment>57665</comment>
        <translation>Das Programm beenden; fragt, ob das Dokument gespeichert werden soll
Beenden</translation>
    </message>
    <message>
        <source>Show the contents of the user manual
Help Contents</source>
        <comment>57666</comment>
        <translation>Den Inhalt des Benutzerhandbuchs anzeigen
Inhalt der Hilfe</translation>
    </message>
    <message>
        <source>List the topics of the user manual
Help Topics</source>
        <comment>57667</comment>
        <translation>Die Themen des Benutzerhandbuchs auflisten
Hilfethemen</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <comment>57680</comment>
        <translation>Zum nächsten Fensterbereich wechseln
Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <comment>57681</comment>
        <translation>Zum vorherigen Fensterbereich zurückwechseln
Vorheriger Bereich</translation>
    </message>
    <message>
        <source>CAP</source>
        <comment>59137</comment>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>59138</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <comment>59139</comment>
        <translation>RF</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <comment>59392</comment>
        <translation>Die Werkzeugleiste ein- oder ausblenden
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <comment>59393</comment>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>ZQ-L52</source>
        <comment>61000</comment>
        <translation>ZQ-L52</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>61001</comment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>61002</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <comment>61003</comment>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <comment>61004</comment>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <comment>61005</comment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>61010</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>61011</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>61012</comment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;COM Port</source>
        <comment>61013</comment>
        <translation>&amp;COM-Port</translation>
    </message>
    <message>
        <source>&amp;Cloning</source>
        <comment>61014</comment>
        <translation>&amp;Klonen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>61015</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <comment>61020</comment>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <comment>61021</comment>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <comment>61022</comment>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>61023</comment>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <comment>61024</comment>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>61025</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <comment>61026</comment>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <comment>61027</comment>
        <translation>&amp;Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...	Enter</source>
        <comment>61028</comment>
        <translation>Speicherkanal &amp;bearbeiten...	Enter</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <comment>61029</comment>
        <translation>Ko&amp;pieren	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <comment>61030</comment>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Clear	Del</source>
        <comment>61031</comment>
        <translation>Leeren	Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>61032</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Insert	</source>
        <comment>61033</comment>
        <translation>Leerkanal einfügen	</translation>
    </message>
    <message>
        <source>&amp;DTMF AutoDial...</source>
        <comment>61034</comment>
        <translation>&amp;DTMF-Autowahl...</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <comment>61035</comment>
        <translation>&amp;Allgemeine Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <comment>61036</comment>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <comment>61037</comment>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>COM1</source>
        <comment>61038</comment>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <comment>61039</comment>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <comment>61040</comment>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <comment>61041</comment>
        <translation>COM4</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- TR</source>
        <comment>61042</comment>
        <translation>&amp;Lesen &lt;- TR</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; TR</source>
        <comment>61043</comment>
        <translation>&amp;Schreiben -&gt; TR</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <comment>61044</comment>
        <translation>&amp;Informationen...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <comment>61045</comment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <comment>61046</comment>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About ZQ-L52...</source>
        <comment>61047</comment>
        <translation>Ü&amp;ber ZQ-L52...</translation>
    </message>
    <message>
        <source>About ZQ-L52</source>
        <comment>61100</comment>
        <translation>Über ZQ-L52</translation>
    </message>
    <message>
        <source>ZQ-L52 Rev.1.0</source>
        <comment>61101</comment>
        <translation>ZQ-L52 Rev.1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>61102</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>61103</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>61104</comment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>61105</comment>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Information</source>
        <comment>61110</comment>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>61111</comment>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>61112</comment>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>61113</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>WWWWWWWWWWWWWWWW</source>
        <comment>61114</comment>
        <translation>WWWWWWWWWWWWWWWW</translation>
    </message>
    <message>
        <source>VL-L52</source>
        <comment>61115</comment>
        <translation>VL-L52</translation>
    </message>
    <message>
        <source>ZQ-L52 Initial Setup</source>
        <comment>61120</comment>
        <translation>ZQ-L52-Ersteinrichtung</translation>
    </message>
    <message>
        <source>COM1</source>
        <comment>61121</comment>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <comment>61122</comment>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <comment>61123</comment>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <comment>61124</comment>
        <translation>COM4</translation>
    </message>
    <message>
        <source> COM Port Error    </source>
        <comment>61130</comment>
        <translation> COM-Port-Fehler    </translation>
    </message>
    <message>
        <source> not Open </source>
        <comment>61131</comment>
        <translation> nicht geöffnet </translation>
    </message>
    <message>
        <source> invarid setting </source>
        <comment>61132</comment>
        <translation> ungültige Einstellung </translation>
    </message>
    <message>
        <source> write error </source>
        <comment>61133</comment>
        <translation> Schreibfehler </translation>
    </message>
    <message>
        <source> read error </source>
        <comment>61134</comment>
        <translation> Lesefehler </translation>
    </message>
    <message>
        <source>CH</source>
        <comment>61150</comment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>61151</comment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Duplex</source>
        <comment>61152</comment>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Offset freq.</source>
        <comment>61153</comment>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61154</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tone</source>
        <comment>61155</comment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Repeater Tone</source>
        <comment>61156</comment>
        <translation>Relaiston</translation>
    </message>
    <message>
        <source>CTCSS freq.</source>
        <comment>61157</comment>
        <translation>CTCSS-Freq.</translation>
    </message>
    <message>
        <source>Skip</source>
        <comment>61158</comment>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Mode  </source>
        <comment>61159</comment>
        <translation>Modus  </translation>
    </message>
    <message>
        <source> Common </source>
        <comment>61170</comment>
        <translation> Allgemein </translation>
    </message>
    <message>
        <source>ZQ-L52 Help</source>
        <comment>61180</comment>
        <translation>ZQ-L52-Hilfe</translation>
    </message>
    <message>
        <source> The serial device %1 exists, but this user may not use it.

 On Linux, serial devices belong to the group &quot;dialout&quot;. Join it with

     sudo usermod -aG dialout $USER

 then log out and log in again.</source>
        <comment>61181</comment>
        <translation> Das serielle Gerät %1 ist vorhanden, aber dieser Benutzer darf es nicht verwenden.

 Unter Linux gehören serielle Geräte zur Gruppe „dialout“. Treten Sie ihr bei mit

     sudo usermod -aG dialout $USER

 und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>61182</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <comment>61183</comment>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>61184</comment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <comment>61185</comment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>61186</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Edit Memory ch</source>
        <comment>61200</comment>
        <translation>Speicherkanal bearbeiten</translation>
    </message>
    <message>
        <source>Operating Frequency</source>
        <comment>61201</comment>
        <translation>Betriebsfrequenz</translation>
    </message>
    <message>
        <source>Dup</source>
        <comment>61202</comment>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>OFF</source>
        <comment>61203</comment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>-Dup</source>
        <comment>61204</comment>
        <translation>-Dup</translation>
    </message>
    <message>
        <source>+Dup</source>
        <comment>61205</comment>
        <translation>+Dup</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <comment>61206</comment>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61207</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tone / ToneSquelch</source>
        <comment>61208</comment>
        <translation>Ton / Tonsquelch</translation>
    </message>
    <message>
        <source>OFF</source>
        <comment>61209</comment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>TONE</source>
        <comment>61210</comment>
        <translation>TON</translation>
    </message>
    <message>
        <source>TSQL</source>
        <comment>61211</comment>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>61212</comment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>FM</source>
        <comment>61213</comment>
        <translation>FM</translation>
    </message>
    <message>
        <source>AM</source>
        <comment>61214</comment>
        <translation>AM</translation>
    </message>
    <message>
        <source>WFM</source>
        <comment>61215</comment>
        <translation>WFM</translation>
    </message>
    <message>
        <source>NarrowFM</source>
        <comment>61216</comment>
        <translation>FM schmal</translation>
    </message>
    <message>
        <source>Memory Skip</source>
        <comment>61217</comment>
        <translation>Speicher-Skip</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <comment>61218</comment>
        <translation>Abstimmschritt</translation>
    </message>
    <message>
        <source>Program Skip </source>
        <comment>61219</comment>
        <translation>Programm-Skip </translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <comment>61300</comment>
        <translation>DTMF-Autowahl</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <comment>61301</comment>
        <translation>Kanalwahl</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>61302</comment>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>61400</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>61401</comment>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>61402</comment>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source> Cannot open the file
 %1

%2</source>
        <comment>61403</comment>
        <translation> Die Datei kann nicht geöffnet werden:
 %1

%2</translation>
    </message>
    <message>
        <source> Cannot save the file
 %1

%2</source>
        <comment>61404</comment>
        <translation> Die Datei kann nicht gespeichert werden:
 %1

%2</translation>
    </message>
    <message>
        <source> The file does not exist, or this user may not read it.</source>
        <comment>61405</comment>
        <translation> Die Datei existiert nicht, oder dieser Benutzer darf sie nicht lesen.</translation>
    </message>
    <message>
        <source> The file cannot be written there: the folder does not exist, this user may
 not write in it, or the disk is full. The file was left as it was.</source>
        <comment>61406</comment>
        <translation> Die Datei kann dort nicht geschrieben werden: Der Ordner existiert nicht, dieser Benutzer darf
 nicht darin schreiben, oder der Datenträger ist voll. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source> It is not a clone data file, or one of its lines is damaged.</source>
        <comment>61407</comment>
        <translation> Es ist keine Klondatei, oder eine ihrer Zeilen ist beschädigt.</translation>
    </message>
    <message>
        <source> It holds data for addresses outside the transceiver&apos;s memory.</source>
        <comment>61408</comment>
        <translation> Sie enthält Daten für Adressen außerhalb des Speichers des Transceivers.</translation>
    </message>
    <message>
        <source> It was made for another transceiver model.</source>
        <comment>61409</comment>
        <translation> Sie wurde für ein anderes Transceiver-Modell erstellt.</translation>
    </message>
    <message>
        <source> It was made for another revision of the transceiver.</source>
        <comment>61410</comment>
        <translation> Sie wurde für eine andere Revision des Transceivers erstellt.</translation>
    </message>
    <message>
        <source> It does not hold the whole memory of the transceiver.</source>
        <comment>61411</comment>
        <translation> Sie enthält nicht den gesamten Speicher des Transceivers.</translation>
    </message>
    <message>
        <source> The data could not be read or written (%1).</source>
        <comment>61412</comment>
        <translation> Die Daten konnten nicht gelesen oder geschrieben werden (%1).</translation>
    </message>
    <message>
        <source> The file
 %1
 was changed by another program since it was opened or saved here.

 OK saves over it and the other program&apos;s changes are lost; Cancel leaves the file as it is.</source>
        <comment>61413</comment>
        <translation> Die Datei
 %1
 wurde seit dem Öffnen oder Speichern hier von einem anderen Programm geändert.

 OK überschreibt sie, und die Änderungen des anderen Programms gehen verloren; Abbrechen lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Port &amp;Devices...</source>
        <comment>61420</comment>
        <translation>Port-&amp;Geräte...</translation>
    </message>
    <message>
        <source>Port Devices</source>
        <comment>61421</comment>
        <translation>Port-Geräte</translation>
    </message>
    <message>
        <source>The serial device each COM port stands for. Pick a detected device or type its path.</source>
        <comment>61422</comment>
        <translation>Das serielle Gerät, für das jeder COM-Port steht. Wählen Sie ein erkanntes Gerät, oder geben Sie seinen Pfad ein.</translation>
    </message>
    <message>
        <source>&amp;Devices...</source>
        <comment>61423</comment>
        <translation>&amp;Geräte...</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>61424</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>:</source>
        <comment>61425</comment>
        <translation>:</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <comment>61440</comment>
        <translation>&amp;Rückgängig: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <comment>61441</comment>
        <translation>&amp;Wiederherstellen: %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Edit Memory</source>
        <comment>61442</comment>
        <translation>Speicherkanal bearbeiten</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>61443</comment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>61444</comment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>61445</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Insert</source>
        <comment>61446</comment>
        <translation>Leerkanal einfügen</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <comment>61447</comment>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DTMF AutoDial</source>
        <comment>61448</comment>
        <translation>DTMF-Autowahl</translation>
    </message>
    <message>
        <source>Read &lt;- TR</source>
        <comment>61449</comment>
        <translation>Lesen &lt;- TR</translation>
    </message>
    <message>
        <source> The transceiver cannot use these channels (marked &quot;?&quot; in the list).
 Written to it, they become:

%1</source>
        <comment>61460</comment>
        <translation> Der Transceiver kann diese Kanäle nicht verwenden (in der Liste mit „?“ markiert).
 Beim Schreiben werden daraus:

%1</translation>
    </message>
    <message>
        <source> %1: an empty channel</source>
        <comment>61461</comment>
        <translation> %1: ein leerer Kanal</translation>
    </message>
    <message>
        <source> %1: %2 MHz %3 (what the transceiver holds there by default)</source>
        <comment>61462</comment>
        <translation> %1: %2 MHz %3 (was der Transceiver dort standardmäßig enthält)</translation>
    </message>
    <message>
        <source>D%1</source>
        <comment>61500</comment>
        <translation>D%1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <comment>61501</comment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source> The clone archive copy could not be saved: %1</source>
        <comment>61600</comment>
        <translation> Die Kopie für das Klonarchiv konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Open from A&amp;rchive...</source>
        <comment>61601</comment>
        <translation>Aus &amp;Archiv öffnen...</translation>
    </message>
    <message>
        <source>&amp;Compare with Transceiver...</source>
        <comment>61602</comment>
        <translation>Mit Transceiver &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Open from Archive</source>
        <comment>61603</comment>
        <translation>Aus Archiv öffnen</translation>
    </message>
    <message>
        <source>Copies of every read from and write to the transceiver, newest first, kept in %1</source>
        <comment>61604</comment>
        <translation>Kopien aller Lese- und Schreibvorgänge mit dem Transceiver, neueste zuerst, abgelegt in %1</translation>
    </message>
    <message>
        <source>The archive holds no copies yet: the next read or write keeps the first one.</source>
        <comment>61605</comment>
        <translation>Das Archiv enthält noch keine Kopien: Der nächste Lese- oder Schreibvorgang legt die erste an.</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>61606</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>61607</comment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>61608</comment>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Channels</source>
        <comment>61609</comment>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>61610</comment>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Read &lt;- TR</source>
        <comment>61611</comment>
        <translation>Lesen &lt;- TR</translation>
    </message>
    <message>
        <source>Write -&gt; TR</source>
        <comment>61612</comment>
        <translation>Schreiben -&gt; TR</translation>
    </message>
    <message>
        <source>?</source>
        <comment>61613</comment>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;Keep a copy of every read and write</source>
        <comment>61614</comment>
        <translation>Von jedem Lese- und Schreibvorgang eine &amp;Kopie behalten</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>61615</comment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <comment>61616</comment>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <comment>61617</comment>
        <translation>&amp;Ordner anzeigen</translation>
    </message>
    <message>
        <source> The folder
 %1
 could not be shown: no file manager answered.</source>
        <comment>61619</comment>
        <translation> Der Ordner
 %1
 konnte nicht angezeigt werden: Kein Dateimanager hat geantwortet.</translation>
    </message>
    <message>
        <source>Compare with Transceiver</source>
        <comment>61620</comment>
        <translation>Mit Transceiver vergleichen</translation>
    </message>
    <message>
        <source>the transceiver</source>
        <comment>61621</comment>
        <translation>dem Transceiver</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <comment>61700</comment>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <comment>61701</comment>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <comment>61702</comment>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Print Options</source>
        <comment>61703</comment>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Include &amp;blank channels</source>
        <comment>61704</comment>
        <translation>&amp;Leere Kanäle mitdrucken</translation>
    </message>
    <message>
        <source>&amp;Common settings</source>
        <comment>61705</comment>
        <translation>&amp;Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>&amp;DTMF memories</source>
        <comment>61706</comment>
        <translation>&amp;DTMF-Speicher</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <comment>61707</comment>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <comment>61708</comment>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <comment>61709</comment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source> Cannot write the PDF file
 %1

 %2</source>
        <comment>61710</comment>
        <translation> Die PDF-Datei kann nicht geschrieben werden:
 %1

 %2</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <comment>61800</comment>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Expor&amp;t CSV...</source>
        <comment>61801</comment>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...</source>
        <comment>61802</comment>
        <translation>Mit Datei ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <comment>61803</comment>
        <translation>&amp;Suchen...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <comment>61804</comment>
        <translation>Wei&amp;tersuchen	F3</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up	Ctrl+Up</source>
        <comment>61805</comment>
        <translation>Nach &amp;oben verschieben	Ctrl+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Ctrl+Down</source>
        <comment>61806</comment>
        <translation>Nach &amp;unten verschieben	Ctrl+Down</translation>
    </message>
    <message>
        <source>&amp;Sort Channels...</source>
        <comment>61807</comment>
        <translation>&amp;Kanäle sortieren...</translation>
    </message>
    <message>
        <source>Co&amp;mpact Channels...</source>
        <comment>61808</comment>
        <translation>Kanäle zusa&amp;mmenrücken...</translation>
    </message>
    <message>
        <source>F&amp;ill Range...</source>
        <comment>61809</comment>
        <translation>Bereich &amp;füllen...</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <comment>61810</comment>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <comment>61811</comment>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <source>Compact Channels</source>
        <comment>61812</comment>
        <translation>Kanäle zusammenrücken</translation>
    </message>
    <message>
        <source>Fill Range</source>
        <comment>61813</comment>
        <translation>Bereich füllen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <comment>61814</comment>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <comment>61815</comment>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>61820</comment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find &amp;what:</source>
        <comment>61821</comment>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Finds a channel whose name contains the text or whose frequency begins with it.
F3 finds the next one.</source>
        <comment>61822</comment>
        <translation>Sucht einen Kanal, dessen Name den Text enthält oder dessen Frequenz damit beginnt.
F3 sucht den nächsten.</translation>
    </message>
    <message>
        <source> Not found: %1</source>
        <comment>61823</comment>
        <translation> Nicht gefunden: %1</translation>
    </message>
    <message>
        <source> Found: %1 (%2 of %3)</source>
        <comment>61824</comment>
        <translation> Gefunden: %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <comment>61830</comment>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <comment>61831</comment>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <comment>61832</comment>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <comment>61833</comment>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <comment>61834</comment>
        <translation>Sortieren &amp;nach:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>61835</comment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61836</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tone, then frequency</source>
        <comment>61837</comment>
        <translation>Ton, dann Frequenz</translation>
    </message>
    <message>
        <source>Order</source>
        <comment>61838</comment>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <comment>61839</comment>
        <translation>&amp;Aufsteigend</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <comment>61840</comment>
        <translation>Ab&amp;steigend</translation>
    </message>
    <message>
        <source>Channels move whole; blank channels go to the end of the range.
Channels with equal keys keep their order.</source>
        <comment>61841</comment>
        <translation>Kanäle werden als Ganzes verschoben; leere Kanäle kommen ans Ende des Bereichs.
Kanäle mit gleichem Schlüssel behalten ihre Reihenfolge.</translation>
    </message>
    <message>
        <source>Compact Channels</source>
        <comment>61842</comment>
        <translation>Kanäle zusammenrücken</translation>
    </message>
    <message>
        <source>The channels in use move up to close the gaps, keeping their order;
blank channels go to the end of the range.</source>
        <comment>61843</comment>
        <translation>Die belegten Kanäle rücken unter Beibehaltung ihrer Reihenfolge auf und schließen die Lücken;
leere Kanäle kommen ans Ende des Bereichs.</translation>
    </message>
    <message>
        <source>Fill Range</source>
        <comment>61844</comment>
        <translation>Bereich füllen</translation>
    </message>
    <message>
        <source>F&amp;ield:</source>
        <comment>61845</comment>
        <translation>&amp;Feld:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <comment>61846</comment>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>&amp;Offset (MHz):</source>
        <comment>61847</comment>
        <translation>&amp;Ablage (MHz):</translation>
    </message>
    <message>
        <source>Sets the value on every channel in use in the range. Channels where the
value is not allowed are left as they were and reported.</source>
        <comment>61848</comment>
        <translation>Setzt den Wert in jedem belegten Kanal des Bereichs. Kanäle, in denen der
Wert nicht zulässig ist, bleiben unverändert und werden gemeldet.</translation>
    </message>
    <message>
        <source>Duplex</source>
        <comment>61849</comment>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <comment>61850</comment>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <source>Tone</source>
        <comment>61851</comment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>rToneFreq (repeater tone)</source>
        <comment>61852</comment>
        <translation>rToneFreq (Relaiston)</translation>
    </message>
    <message>
        <source>cToneFreq (TSQL tone)</source>
        <comment>61853</comment>
        <translation>cToneFreq (TSQL-Ton)</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>61854</comment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Skip</source>
        <comment>61855</comment>
        <translation>Skip</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>61856</comment>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>- (shift down)</source>
        <comment>61857</comment>
        <translation>- (nach unten)</translation>
    </message>
    <message>
        <source>+ (shift up)</source>
        <comment>61858</comment>
        <translation>+ (nach oben)</translation>
    </message>
    <message>
        <source>WFM (Wide FM)</source>
        <comment>61859</comment>
        <translation>WFM (FM breit)</translation>
    </message>
    <message>
        <source>NFM (FM Narrow)</source>
        <comment>61860</comment>
        <translation>NFM (FM schmal)</translation>
    </message>
    <message>
        <source>S (skip)</source>
        <comment>61861</comment>
        <translation>S (Skip)</translation>
    </message>
    <message>
        <source>keep each channel&apos;s offset</source>
        <comment>61862</comment>
        <translation>Ablage je Kanal beibehalten</translation>
    </message>
    <message>
        <source>e.g. 0.6</source>
        <comment>61863</comment>
        <translation>z. B. 0.6</translation>
    </message>
    <message>
        <source> The range From %1 To %2 holds no channel.

 From must not be after To: change one of them.</source>
        <comment>61864</comment>
        <translation> Der Bereich von %1 bis %2 enthält keinen Kanal.

 „Von“ darf nicht hinter „Bis“ liegen: Ändern Sie einen der beiden Werte.</translation>
    </message>
    <message>
        <source>Channels changed: %1. These channels were left as they were or hold the value in another form:</source>
        <comment>61870</comment>
        <translation>Geänderte Kanäle: %1. Diese Kanäle blieben unverändert oder enthalten den Wert in anderer Form:</translation>
    </message>
    <message>
        <source>%1 skipped: %2</source>
        <comment>61871</comment>
        <translation>%1 übersprungen: %2</translation>
    </message>
    <message>
        <source>%1 adjusted: %2</source>
        <comment>61872</comment>
        <translation>%1 angepasst: %2</translation>
    </message>
    <message>
        <source> Cannot fill the range.

 %1</source>
        <comment>61873</comment>
        <translation> Der Bereich kann nicht gefüllt werden.

 %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <comment>61880</comment>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <comment>61881</comment>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.CSV)</source>
        <comment>61882</comment>
        <translation>CSV-Dateien (*.csv *.CSV)</translation>
    </message>
    <message>
        <source> Cannot import the file
 %1

 %2</source>
        <comment>61884</comment>
        <translation> Die Datei kann nicht importiert werden:
 %1

 %2</translation>
    </message>
    <message>
        <source> Imported %1</source>
        <comment>61885</comment>
        <translation> %1 importiert</translation>
    </message>
    <message>
        <source> Export the program-scan edges and call channels as well?</source>
        <comment>61886</comment>
        <translation> Auch die Programm-Suchlaufgrenzen und die Anrufkanäle exportieren?</translation>
    </message>
    <message>
        <source> Exported %1</source>
        <comment>61887</comment>
        <translation> %1 exportiert</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <comment>61888</comment>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Compare with File - %1</source>
        <comment>61889</comment>
        <translation>Mit Datei vergleichen - %1</translation>
    </message>
    <message>
        <source>Each line shows the value in this document, then -&gt; and the value in %1.</source>
        <comment>61890</comment>
        <translation>Jede Zeile zeigt den Wert in diesem Dokument, dann -&gt; und den Wert aus %1.</translation>
    </message>
    <message>
        <source>No differences</source>
        <comment>61891</comment>
        <translation>Keine Unterschiede</translation>
    </message>
    <message>
        <source>Import CSV - %1</source>
        <comment>61920</comment>
        <translation>CSV importieren - %1</translation>
    </message>
    <message>
        <source>Nothing is changed until you press OK. Each row of the file, the channel it goes to and what that channel will hold:</source>
        <comment>61921</comment>
        <translation>Bis Sie auf OK klicken, wird nichts geändert. Jede Zeile der Datei, der Kanal, in den sie kommt, und was dieser Kanal dann enthält:</translation>
    </message>
    <message>
        <source>&amp;Place rows:</source>
        <comment>61922</comment>
        <translation>&amp;Zeilen ablegen:</translation>
    </message>
    <message>
        <source>At their Location</source>
        <comment>61923</comment>
        <translation>Auf ihrem Platz laut „Location“</translation>
    </message>
    <message>
        <source>In file order, from a channel on</source>
        <comment>61924</comment>
        <translation>In Dateireihenfolge, ab einem Kanal</translation>
    </message>
    <message>
        <source>Into blank channels only, from a channel on</source>
        <comment>61925</comment>
        <translation>Nur in leere Kanäle, ab einem Kanal</translation>
    </message>
    <message>
        <source>&amp;From channel:</source>
        <comment>61926</comment>
        <translation>&amp;Ab Kanal:</translation>
    </message>
    <message>
        <source>Only rows the transceiver can &amp;use</source>
        <comment>61927</comment>
        <translation>Nur Zeilen, die der Transceiver &amp;nutzen kann</translation>
    </message>
    <message>
        <source>Rows stored: %1. Rows skipped: %2. Channels in use overwritten (marked *): %3.</source>
        <comment>61928</comment>
        <translation>Gespeicherte Zeilen: %1. Übersprungene Zeilen: %2. Überschriebene belegte Kanäle (mit * markiert): %3.</translation>
    </message>
    <message>
        <source> *</source>
        <comment>61929</comment>
        <translation> *</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>61930</comment>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>61931</comment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>61932</comment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Duplex</source>
        <comment>61933</comment>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Offset</source>
        <comment>61934</comment>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Tone</source>
        <comment>61935</comment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>61936</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>61937</comment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>61938</comment>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&amp;Transceiver Setup...</source>
        <comment>61950</comment>
        <translation>&amp;Transceiver einrichten...</translation>
    </message>
    <message>
        <source>Transceiver version</source>
        <comment>61951</comment>
        <translation>Transceiver-Version</translation>
    </message>
    <message>
        <source>&amp;Read it from the transceiver</source>
        <comment>61952</comment>
        <translation>Vom Transceiver &amp;lesen</translation>
    </message>
    <message>
        <source>C&amp;hoose it here (no transceiver needed)</source>
        <comment>61953</comment>
        <translation>&amp;Hier wählen (kein Transceiver nötig)</translation>
    </message>
    <message>
        <source>Des&amp;tination</source>
        <comment>61954</comment>
        <translation>&amp;Zielgebiet</translation>
    </message>
    <message>
        <source>Co&amp;verage level</source>
        <comment>61955</comment>
        <translation>&amp;Frequenzumfang</translation>
    </message>
    <message>
        <source>&amp;50 MHz band</source>
        <comment>61956</comment>
        <translation>&amp;50-MHz-Band</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>61957</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Check Ca&amp;ble...</source>
        <comment>62100</comment>
        <translation>&amp;Kabel prüfen...</translation>
    </message>
    <message>
        <source>Check Cable</source>
        <comment>62101</comment>
        <translation>Kabel prüfen</translation>
    </message>
    <message>
        <source>Checks %1 step by step. Nothing is written to the transceiver&apos;s memory.</source>
        <comment>62102</comment>
        <translation>Prüft %1 Schritt für Schritt. In den Speicher des Transceivers wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <comment>62103</comment>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>Check Ca&amp;ble...</source>
        <comment>62104</comment>
        <translation>&amp;Kabel prüfen...</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>62105</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <comment>62106</comment>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>62107</comment>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>The device exists</source>
        <comment>62110</comment>
        <translation>Das Gerät existiert</translation>
    </message>
    <message>
        <source>It may be opened</source>
        <comment>62111</comment>
        <translation>Es darf geöffnet werden</translation>
    </message>
    <message>
        <source>It is free</source>
        <comment>62112</comment>
        <translation>Es ist frei</translation>
    </message>
    <message>
        <source>The line takes 9600 8N1</source>
        <comment>62113</comment>
        <translation>Die Leitung nimmt 9600 8N1 an</translation>
    </message>
    <message>
        <source>The cable echoes</source>
        <comment>62114</comment>
        <translation>Das Kabel gibt ein Echo zurück</translation>
    </message>
    <message>
        <source>The transceiver answers</source>
        <comment>62115</comment>
        <translation>Der Transceiver antwortet</translation>
    </message>
    <message>
        <source>%1 is there.</source>
        <comment>62120</comment>
        <translation>%1 ist vorhanden.</translation>
    </message>
    <message>
        <source>%1 does not exist. Serial devices there now: %2.</source>
        <comment>62121</comment>
        <translation>%1 existiert nicht. Derzeit vorhandene serielle Geräte: %2.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>62122</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Is the USB adapter plugged in? Then choose its device for the port.</source>
        <comment>62123</comment>
        <translation>Ist der USB-Adapter eingesteckt? Dann wählen Sie sein Gerät für den Port.</translation>
    </message>
    <message>
        <source>This user may read and write it.</source>
        <comment>62124</comment>
        <translation>Dieser Benutzer darf es lesen und schreiben.</translation>
    </message>
    <message>
        <source>This user may not open %1: it belongs to the group %2.</source>
        <comment>62125</comment>
        <translation>Dieser Benutzer darf %1 nicht öffnen: Es gehört zur Gruppe %2.</translation>
    </message>
    <message>
        <source>The user is not in the group %1.</source>
        <comment>62126</comment>
        <translation>Der Benutzer ist nicht in der Gruppe %1.</translation>
    </message>
    <message>
        <source>The user is in the group %1, but this login started before joining it.</source>
        <comment>62127</comment>
        <translation>Der Benutzer ist in der Gruppe %1, aber diese Anmeldung begann vor dem Beitritt.</translation>
    </message>
    <message>
        <source>Join the group with
  sudo usermod -aG %1 $USER
then log out and log in again: a new login is needed.</source>
        <comment>62128</comment>
        <translation>Treten Sie der Gruppe bei mit
  sudo usermod -aG %1 $USER
und melden Sie sich dann ab und wieder an: Eine neue Anmeldung ist nötig.</translation>
    </message>
    <message>
        <source>Log out and log in again: the group counts from a new login.</source>
        <comment>62129</comment>
        <translation>Melden Sie sich ab und wieder an: Die Gruppe gilt erst ab einer neuen Anmeldung.</translation>
    </message>
    <message>
        <source>The system refuses to open it: %1.</source>
        <comment>62130</comment>
        <translation>Das System verweigert das Öffnen: %1.</translation>
    </message>
    <message>
        <source>No other program holds it.</source>
        <comment>62131</comment>
        <translation>Kein anderes Programm belegt es.</translation>
    </message>
    <message>
        <source>Another program holds it.</source>
        <comment>62132</comment>
        <translation>Ein anderes Programm belegt es.</translation>
    </message>
    <message>
        <source>Another program holds it: %1.</source>
        <comment>62133</comment>
        <translation>Ein anderes Programm belegt es: %1.</translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <comment>62134</comment>
        <translation>Prozess %1 (%2)</translation>
    </message>
    <message>
        <source>Close that program (a terminal program, a modem manager, another cloning program), then check again.</source>
        <comment>62135</comment>
        <translation>Schließen Sie dieses Programm (ein Terminalprogramm, einen Modem-Manager, ein anderes Klonprogramm), und prüfen Sie dann erneut.</translation>
    </message>
    <message>
        <source>9600 bit/s, 8 data bits, no parity, 1 stop bit.</source>
        <comment>62136</comment>
        <translation>9600 bit/s, 8 Datenbits, keine Parität, 1 Stoppbit.</translation>
    </message>
    <message>
        <source>The device does not take the line settings: %1.</source>
        <comment>62137</comment>
        <translation>Das Gerät nimmt die Leitungseinstellungen nicht an: %1.</translation>
    </message>
    <message>
        <source>It may not be a serial port: choose the cable&apos;s device.</source>
        <comment>62138</comment>
        <translation>Es ist möglicherweise kein serieller Port: Wählen Sie das Gerät des Kabels.</translation>
    </message>
    <message>
        <source>The %1 test bytes came back as sent.</source>
        <comment>62139</comment>
        <translation>Die %1 Testbytes kamen unverändert zurück.</translation>
    </message>
    <message>
        <source>Nothing came back.</source>
        <comment>62140</comment>
        <translation>Es kam nichts zurück.</translation>
    </message>
    <message>
        <source>Not a cloning cable, or not plugged into this port.</source>
        <comment>62141</comment>
        <translation>Kein Klonkabel, oder es steckt nicht an diesem Port.</translation>
    </message>
    <message>
        <source>%1 of %2 test bytes came back, not as sent.</source>
        <comment>62142</comment>
        <translation>%1 von %2 Testbytes kamen zurück, aber verändert.</translation>
    </message>
    <message>
        <source>Loose plug or noise: push the plugs home and keep the cable away from the antenna.</source>
        <comment>62143</comment>
        <translation>Wackelkontakt oder Störungen: Stecken Sie die Stecker fest ein, und halten Sie das Kabel von der Antenne fern.</translation>
    </message>
    <message>
        <source>Model %1, version %2, comment &quot;%3&quot;.</source>
        <comment>62144</comment>
        <translation>Modell %1, Version %2, Kommentar „%3“.</translation>
    </message>
    <message>
        <source>It matches the transceiver setup.</source>
        <comment>62145</comment>
        <translation>Es passt zur Transceiver-Einrichtung.</translation>
    </message>
    <message>
        <source>It is not the model and revision this program programs (%1).</source>
        <comment>62146</comment>
        <translation>Es ist nicht das Modell und die Revision, die dieses Programm programmiert (%1).</translation>
    </message>
    <message>
        <source>This program cannot program that transceiver.</source>
        <comment>62147</comment>
        <translation>Dieses Programm kann diesen Transceiver nicht programmieren.</translation>
    </message>
    <message>
        <source>Its version %1 is not the transceiver setup&apos;s %2.</source>
        <comment>62148</comment>
        <translation>Seine Version %1 ist nicht die Version %2 der Transceiver-Einrichtung.</translation>
    </message>
    <message>
        <source>Set the transceiver setup to the transceiver&apos;s version, or use the file made for it.</source>
        <comment>62149</comment>
        <translation>Stellen Sie die Transceiver-Einrichtung auf die Version des Transceivers ein, oder verwenden Sie die dafür erstellte Datei.</translation>
    </message>
    <message>
        <source>The cable echoed the request, but no answer came.</source>
        <comment>62150</comment>
        <translation>Das Kabel hat die Anfrage als Echo zurückgegeben, aber es kam keine Antwort.</translation>
    </message>
    <message>
        <source>The transceiver is off or not in clone mode.</source>
        <comment>62151</comment>
        <translation>Der Transceiver ist ausgeschaltet oder nicht im Klonmodus.</translation>
    </message>
    <message>
        <source>The answer came, but broken.</source>
        <comment>62152</comment>
        <translation>Die Antwort kam, aber fehlerhaft.</translation>
    </message>
    <message>
        <source>What was seen on the line</source>
        <comment>62160</comment>
        <translation>Was auf der Leitung zu sehen war</translation>
    </message>
    <message>
        <source>The port %1 could not be opened. %2</source>
        <comment>62161</comment>
        <translation>Der Port %1 konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Nothing came back on the line, not even the echo of what was sent: not a cloning cable, or not plugged into this port.</source>
        <comment>62162</comment>
        <translation>Auf der Leitung kam nichts zurück, nicht einmal das Echo des Gesendeten: kein Klonkabel, oder es steckt nicht an diesem Port.</translation>
    </message>
    <message>
        <source>The cable echoed the request, but the transceiver did not answer: the transceiver is off or not in clone mode.</source>
        <comment>62163</comment>
        <translation>Das Kabel hat die Anfrage als Echo zurückgegeben, aber der Transceiver hat nicht geantwortet: Der Transceiver ist ausgeschaltet oder nicht im Klonmodus.</translation>
    </message>
    <message>
        <source>The echo came back changed: loose plug or noise.</source>
        <comment>62164</comment>
        <translation>Das Echo kam verändert zurück: Wackelkontakt oder Störungen.</translation>
    </message>
    <message>
        <source>The transceiver&apos;s information answer arrived broken: loose plug or noise.</source>
        <comment>62165</comment>
        <translation>Die Informationsantwort des Transceivers kam fehlerhaft an: Wackelkontakt oder Störungen.</translation>
    </message>
    <message>
        <source>A broken frame arrived at record %1: loose plug or noise.</source>
        <comment>62166</comment>
        <translation>Bei Datensatz %1 kam ein fehlerhafter Block an: Wackelkontakt oder Störungen.</translation>
    </message>
    <message>
        <source>The end of the data arrived broken after %1 records: loose plug or noise.</source>
        <comment>62167</comment>
        <translation>Das Ende der Daten kam nach %1 Datensätzen fehlerhaft an: Wackelkontakt oder Störungen.</translation>
    </message>
    <message>
        <source>The line fell silent after record %1.</source>
        <comment>62168</comment>
        <translation>Nach Datensatz %1 verstummte die Leitung.</translation>
    </message>
    <message>
        <source>The transceiver took %1 records and refused the write.</source>
        <comment>62169</comment>
        <translation>Der Transceiver hat %1 Datensätze angenommen und das Schreiben abgelehnt.</translation>
    </message>
    <message>
        <source>The line failed during the transfer: the adapter was unplugged, or its device went away.</source>
        <comment>62170</comment>
        <translation>Die Leitung ist während der Übertragung ausgefallen: Der Adapter wurde abgezogen, oder sein Gerät ist verschwunden.</translation>
    </message>
    <message>
        <source>Bytes came back, but not the echo of the request: loose plug or noise.</source>
        <comment>62171</comment>
        <translation>Es kamen Bytes zurück, aber nicht das Echo der Anfrage: Wackelkontakt oder Störungen.</translation>
    </message>
    <message>
        <source>%1 - not connected</source>
        <comment>62172</comment>
        <translation>%1 - nicht angeschlossen</translation>
    </message>
    <message>
        <source>The device is not there now: plug the cable in, or choose its device in COM Port &gt; Port Devices...</source>
        <comment>62173</comment>
        <translation>Das Gerät ist derzeit nicht vorhanden: Schließen Sie das Kabel an, oder wählen Sie sein Gerät unter COM-Port &gt; Port-Geräte...</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <comment>62400</comment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1, row skipped</source>
        <comment>62401</comment>
        <translation>%1, Zeile übersprungen</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than any channel list (%2 MiB), nothing imported</source>
        <comment>62402</comment>
        <translation>die Datei enthält %1 Bytes, mehr als jede Kanalliste (%2 MiB), nichts importiert</translation>
    </message>
    <message>
        <source>no header line, nothing imported</source>
        <comment>62403</comment>
        <translation>keine Kopfzeile, nichts importiert</translation>
    </message>
    <message>
        <source>no %1 column, nothing imported</source>
        <comment>62404</comment>
        <translation>keine Spalte %1, nichts importiert</translation>
    </message>
    <message>
        <source>column %1 is given again as column %2, only column %3 is read</source>
        <comment>62405</comment>
        <translation>Spalte %1 kommt als Spalte %2 noch einmal vor, nur Spalte %3 wird gelesen</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <comment>62406</comment>
        <translation>ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>inside the quoted field that line %1 leaves open</source>
        <comment>62407</comment>
        <translation>innerhalb des Felds in Anführungszeichen, das Zeile %1 offen lässt</translation>
    </message>
    <message>
        <source>no Location</source>
        <comment>62408</comment>
        <translation>kein Wert in Location</translation>
    </message>
    <message>
        <source>Location %1 is not a channel (0-99, P0A-P9B, CALL_...)</source>
        <comment>62409</comment>
        <translation>Location %1 ist kein Kanal (0-99, P0A-P9B, CALL_...)</translation>
    </message>
    <message>
        <source>no Frequency</source>
        <comment>62410</comment>
        <translation>kein Wert in Frequency</translation>
    </message>
    <message>
        <source>Frequency %1 cannot be stored</source>
        <comment>62411</comment>
        <translation>Frequency %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Duplex %1 cannot be stored</source>
        <comment>62412</comment>
        <translation>Duplex %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; takes the transmit frequency from Offset, and %1</source>
        <comment>62413</comment>
        <translation>Duplex &apos;split&apos; nimmt die Sendefrequenz aus Offset, und %1</translation>
    </message>
    <message>
        <source>it is blank</source>
        <comment>62414</comment>
        <translation>das Feld ist leer</translation>
    </message>
    <message>
        <source>%1 is none</source>
        <comment>62415</comment>
        <translation>%1 ist keine</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; transmits on %1, %2 MHz from the receive frequency, more than the largest offset (%3)</source>
        <comment>62416</comment>
        <translation>Duplex &apos;split&apos; sendet auf %1, %2 MHz von der Empfangsfrequenz entfernt, mehr als die größte Ablage (%3)</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; transmitting on %1 stored as %2</source>
        <comment>62417</comment>
        <translation>Duplex &apos;split&apos; mit Sendefrequenz %1 gespeichert als %2</translation>
    </message>
    <message>
        <source>no duplex</source>
        <comment>62418</comment>
        <translation>kein Duplex</translation>
    </message>
    <message>
        <source>Duplex %1 Offset %2</source>
        <comment>62419</comment>
        <translation>Duplex %1 Offset %2</translation>
    </message>
    <message>
        <source>Duplex &apos;split&apos; transmits on %1, which the channel cannot hold (it would transmit on %2)</source>
        <comment>62420</comment>
        <translation>Duplex &apos;split&apos; sendet auf %1, was der Kanal nicht speichern kann (er würde auf %2 senden)</translation>
    </message>
    <message>
        <source>%1 is outside the transceiver&apos;s bands</source>
        <comment>62421</comment>
        <translation>%1 liegt außerhalb der Bänder des Transceivers</translation>
    </message>
    <message>
        <source>no free channel left</source>
        <comment>62422</comment>
        <translation>kein freier Kanal mehr</translation>
    </message>
    <message>
        <source>Location %1 is also on line %2, this row replaces it</source>
        <comment>62423</comment>
        <translation>Location %1 steht auch in Zeile %2, diese Zeile ersetzt jene</translation>
    </message>
    <message>
        <source>Memory channels %1-%2 are not a range within %3-%4.</source>
        <comment>62430</comment>
        <translation>Die Speicherkanäle %1-%2 bilden keinen Bereich innerhalb von %3-%4.</translation>
    </message>
    <message>
        <source>There is no row %1.</source>
        <comment>62431</comment>
        <translation>Es gibt keine Zeile %1.</translation>
    </message>
    <message>
        <source>%1 does not move: program-scan edges and call channels keep their rows.</source>
        <comment>62432</comment>
        <translation>%1 wird nicht verschoben: Programm-Suchlaufgrenzen und Anrufkanäle behalten ihre Zeilen.</translation>
    </message>
    <message>
        <source>A channel moves one row up or down at a time.</source>
        <comment>62433</comment>
        <translation>Ein Kanal wird jeweils um eine Zeile nach oben oder unten verschoben.</translation>
    </message>
    <message>
        <source>%1 is the first memory channel: it cannot move up.</source>
        <comment>62434</comment>
        <translation>%1 ist der erste Speicherkanal: Er kann nicht nach oben verschoben werden.</translation>
    </message>
    <message>
        <source>%1 is the last memory channel: it cannot move down.</source>
        <comment>62435</comment>
        <translation>%1 ist der letzte Speicherkanal: Er kann nicht nach unten verschoben werden.</translation>
    </message>
    <message>
        <source>%1 cannot be filled: every channel would hold the same.</source>
        <comment>62436</comment>
        <translation>Das Feld %1 kann nicht gefüllt werden: Jeder Kanal würde dasselbe enthalten.</translation>
    </message>
    <message>
        <source>Mode %1 is not allowed at %2, left as it was</source>
        <comment>62437</comment>
        <translation>Mode %1 ist bei %2 nicht zulässig, unverändert belassen</translation>
    </message>
    <message>
        <source>%1 %2 stored as %3</source>
        <comment>62438</comment>
        <translation>%1 %2 als %3 gespeichert</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <comment>62440</comment>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Program-scan edges</source>
        <comment>62441</comment>
        <translation>Programm-Suchlaufgrenzen</translation>
    </message>
    <message>
        <source>Call channels</source>
        <comment>62442</comment>
        <translation>Anrufkanäle</translation>
    </message>
    <message>
        <source>Common settings</source>
        <comment>62443</comment>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <comment>62444</comment>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>No memory channels in use.</source>
        <comment>62445</comment>
        <translation>Keine Speicherkanäle belegt.</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <comment>62446</comment>
        <translation>%1 von %2 belegt</translation>
    </message>
    <message>
        <source>? marks a channel the transceiver would not accept as it is.</source>
        <comment>62447</comment>
        <translation>? markiert einen Kanal, den der Transceiver so nicht annehmen würde.</translation>
    </message>
    <message>
        <source>Setting</source>
        <comment>62448</comment>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>62449</comment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>62450</comment>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Digits</source>
        <comment>62451</comment>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <comment>62452</comment>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <comment>62453</comment>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>normal coverage</source>
        <comment>62454</comment>
        <translation>normaler Frequenzumfang</translation>
    </message>
    <message>
        <source>expanded coverage</source>
        <comment>62455</comment>
        <translation>erweiterter Frequenzumfang</translation>
    </message>
    <message>
        <source>expanded coverage with the cellular bands</source>
        <comment>62456</comment>
        <translation>erweiterter Frequenzumfang mit den Mobilfunkbändern</translation>
    </message>
    <message>
        <source>bands 50/144/430/1200 MHz</source>
        <comment>62457</comment>
        <translation>Bänder 50/144/430/1200 MHz</translation>
    </message>
    <message>
        <source>bands 144/430/1200 MHz</source>
        <comment>62458</comment>
        <translation>Bänder 144/430/1200 MHz</translation>
    </message>
    <message>
        <source>%1, destination %2, %3, %4</source>
        <comment>62459</comment>
        <translation>%1, Zielgebiet %2, %3, %4</translation>
    </message>
    <message>
        <source>On</source>
        <comment>62460</comment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>62461</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <comment>62462</comment>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <comment>61618</comment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <comment>62108</comment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Channels</source>
        <comment>62200</comment>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>62201</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>62202</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>not allowed for this transceiver version</source>
        <comment>62203</comment>
        <translation>für diese Transceiver-Version nicht zulässig</translation>
    </message>
    <message>
        <source>Instructions</source>
        <comment>62204</comment>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <comment>62205</comment>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>Digits</source>
        <comment>62206</comment>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Copies</source>
        <comment>62207</comment>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>COM&amp;1</source>
        <comment>62210</comment>
        <translation>COM&amp;1</translation>
    </message>
    <message>
        <source>COM&amp;2</source>
        <comment>62211</comment>
        <translation>COM&amp;2</translation>
    </message>
    <message>
        <source>COM&amp;3</source>
        <comment>62212</comment>
        <translation>COM&amp;3</translation>
    </message>
    <message>
        <source>COM&amp;4</source>
        <comment>62213</comment>
        <translation>COM&amp;4</translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <comment>62220</comment>
        <translation>%1 geöffnet.</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <comment>62221</comment>
        <translation>%1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <comment>62222</comment>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 was not saved.</source>
        <comment>62223</comment>
        <translation>%1 wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>without duplex</source>
        <comment>62470</comment>
        <translation>ohne Duplex</translation>
    </message>
    <message>
        <source>without a tone</source>
        <comment>62471</comment>
        <translation>ohne Ton</translation>
    </message>
    <message>
        <source>without skip</source>
        <comment>62472</comment>
        <translation>ohne Skip</translation>
    </message>
    <message>
        <source>without a name</source>
        <comment>62473</comment>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>(blank)</source>
        <comment>62474</comment>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1 cannot be blank</source>
        <comment>62475</comment>
        <translation>%1 kann nicht leer sein</translation>
    </message>
    <message>
        <source>%1 %2 cannot be stored</source>
        <comment>62476</comment>
        <translation>%1 %2 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>%1 %2 stored as %3</source>
        <comment>62477</comment>
        <translation>%1 %2 als %3 gespeichert</translation>
    </message>
    <message>
        <source>%1 %2 is not a tone</source>
        <comment>62478</comment>
        <translation>%1 %2 ist kein Ton</translation>
    </message>
    <message>
        <source>%1 is not a tone, stored %2</source>
        <comment>62479</comment>
        <translation>%1 ist kein Ton, gespeichert: %2</translation>
    </message>
    <message>
        <source>%1 %2 rounded to %3</source>
        <comment>62480</comment>
        <translation>%1 %2 auf %3 gerundet</translation>
    </message>
    <message>
        <source>a call channel has no name, Name %1 not stored</source>
        <comment>62481</comment>
        <translation>ein Anrufkanal hat keinen Namen, Name %1 nicht gespeichert</translation>
    </message>
    <message>
        <source>only memory channels skip, Skip %1 not stored</source>
        <comment>62482</comment>
        <translation>Skip gibt es nur bei Speicherkanälen, Skip %1 nicht gespeichert</translation>
    </message>
    <message>
        <source>Mode %1 is not allowed at %2, stored %3</source>
        <comment>62483</comment>
        <translation>Mode %1 ist bei %2 nicht zulässig, gespeichert: %3</translation>
    </message>
    <message>
        <source>%1, stored %2</source>
        <comment>62484</comment>
        <translation>%1, gespeichert: %2</translation>
    </message>
    <message>
        <source>%1 is blank: give it a Frequency to use it</source>
        <comment>62485</comment>
        <translation>%1 ist leer: Tragen Sie einen Wert in Frequency ein, um ihn zu verwenden</translation>
    </message>
    <message>
        <source>%1 is outside the transceiver&apos;s bands, stored and marked ?</source>
        <comment>62486</comment>
        <translation>%1 liegt außerhalb der Bänder des Transceivers, gespeichert und mit ? markiert</translation>
    </message>
    <message>
        <source>no frequency</source>
        <comment>62490</comment>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>not a frequency</source>
        <comment>62491</comment>
        <translation>keine gültige Frequenz</translation>
    </message>
    <message>
        <source>%1: OK keeps %2</source>
        <comment>62492</comment>
        <translation>%1: OK behält %2 bei</translation>
    </message>
    <message>
        <source>%1: OK will blank the channel</source>
        <comment>62493</comment>
        <translation>%1: OK leert den Kanal</translation>
    </message>
    <message>
        <source>will be stored as %1</source>
        <comment>62494</comment>
        <translation>wird als %1 gespeichert</translation>
    </message>
    <message>
        <source>outside this transceiver&apos;s bands: stored with ?</source>
        <comment>62495</comment>
        <translation>außerhalb der Bänder dieses Transceivers: mit ? gespeichert</translation>
    </message>
    <message>
        <source>characters outside A-Z 0-9 ( ) * + - . / : = become blanks: %1</source>
        <comment>62496</comment>
        <translation>Zeichen außer A-Z 0-9 ( ) * + - . / : = werden zu Leerzeichen: %1</translation>
    </message>
    <message>
        <source>only six characters are kept: %1</source>
        <comment>62497</comment>
        <translation>nur sechs Zeichen bleiben erhalten: %1</translation>
    </message>
    <message>
        <source>%1 is not allowed here: %2</source>
        <comment>62498</comment>
        <translation>%1 ist hier nicht zulässig: %2</translation>
    </message>
</context>
</TS>
