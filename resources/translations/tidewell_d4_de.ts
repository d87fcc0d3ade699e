<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AutoCustomSetup</name>
    <message>
        <source>Plan Index</source>
        <translation>Plan-Nr.</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Plan Volume</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>AutoModeUnit</name>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Pläne</translation>
    </message>
</context>
<context>
    <name>AutoPublicSetup</name>
    <message>
        <source>Pump Name</source>
        <translation>Pumpenname</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pumpe 1</translation>
    </message>
    <message>
        <source>Channel On/Off</source>
        <translation>Kanal Ein/Aus</translation>
    </message>
    <message>
        <source>Pump Gears</source>
        <translation>Pumpstufe</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Precise</source>
        <translation>Präzise</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Run Mode</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>Reagent </source>
        <translation>Additiv </translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>2 day</source>
        <translation>2 Tage</translation>
    </message>
    <message>
        <source>3 day</source>
        <translation>3 Tage</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
</context>
<context>
    <name>AutoSetupParameter</name>
    <message>
        <source>Dose timess</source>
        <translation>Dosen/Tag</translation>
    </message>
    <message>
        <source>Dose Volume</source>
        <translation>Gesamtmenge</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Per Dose</source>
        <translation>Pro Dosis</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>The pump holds a volume that cannot be shown; Save writes the value shown.</source>
        <translation>Die Pumpe enthält eine Menge, die nicht angezeigt werden kann; Speichern schreibt den angezeigten Wert.</translation>
    </message>
</context>
<context>
    <name>DeviceTabs</name>
    <message>
        <source>The changes on %1 have not been saved to the pump. Discard them?</source>
        <translation>Die Änderungen an %1 wurden nicht in der Pumpe gespeichert. Verwerfen?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Software Version </source>
        <translation>Softwareversion </translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump control software</source>
        <translation>Steuerungssoftware für die Dosierpumpe Tidewell D4</translation>
    </message>
</context>
<context>
    <name>DialogChemicalInter</name>
    <message>
        <source>Chemical Interval</source>
        <translation>Dosierabstand</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pumpe 1</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>Pumpe 2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>Pumpe 3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>Pumpe 4</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DialogIpPort</name>
    <message>
        <source>IP and PORT setup</source>
        <translation>IP und Port einstellen</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>IP: &quot;%1&quot; is neither an IPv4 address nor a host name.</source>
        <translation>IP: „%1“ ist weder eine IPv4-Adresse noch ein Hostname.</translation>
    </message>
    <message>
        <source>PORT: &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>Port: „%1“ ist keine Zahl von 1 bis 65535.</translation>
    </message>
</context>
<context>
    <name>DialogLogin</name>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation>Passwort speichern</translation>
    </message>
    <message>
        <source>Net Setup</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DialogPassword</name>
    <message>
        <source>Password Setup</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The new password can only use ASCII characters: English letters, digits and the common symbols.</source>
        <translation>Das neue Passwort darf nur ASCII-Zeichen enthalten: Buchstaben ohne Umlaute, Ziffern und die üblichen Sonderzeichen.</translation>
    </message>
</context>
<context>
    <name>DialogPumpName</name>
    <message>
        <source>Pump Name Setup</source>
        <translation>Pumpennamen</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pumpe 1</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>Pumpe 2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>Pumpe 3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>Pumpe 4</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Channel names of %1</source>
        <translation>Kanalnamen von %1</translation>
    </message>
</context>
<context>
    <name>DialogSetupFile</name>
    <message>
        <source>Pump</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>%v / %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Read and Compare</source>
        <translation>Lesen und vergleichen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore Setup</source>
        <translation>Einstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Backup Setup</source>
        <translation>Einstellungen sichern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Tidewell setup (*.tidewell.json)</source>
        <translation>Tidewell-Einstellungen (*.tidewell.json)</translation>
    </message>
    <message>
        <source>Choose a file to save the setup in.</source>
        <translation>Wählen Sie eine Datei, in der die Einstellungen gespeichert werden.</translation>
    </message>
    <message>
        <source>The pumps are busy; try again when the current operation has finished.</source>
        <translation>Die Pumpen sind beschäftigt; versuchen Sie es erneut, wenn der laufende Vorgang beendet ist.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>%1 did not answer; no file was written.</source>
        <translation>%1 hat nicht geantwortet; es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The setup of %1 is saved in %2.</source>
        <translation>Die Einstellungen von %1 sind in %2 gespeichert.</translation>
    </message>
    <message>
        <source>This file was saved from the pump at address %1; %2 is at address %3. Restore it to %2 all the same?</source>
        <translation>Diese Datei wurde von der Pumpe mit Adresse %1 gespeichert; %2 hat die Adresse %3. Trotzdem auf %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This file was saved under firmware %1 (build %2); %3 runs firmware %4 (build %5). Restore it all the same?</source>
        <translation>Diese Datei wurde unter Firmware %1 (Build %2) gespeichert; auf %3 läuft Firmware %4 (Build %5). Trotzdem wiederherstellen?</translation>
    </message>
    <message>
        <source>%1 did not answer; nothing was written.</source>
        <translation>%1 hat nicht geantwortet; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Aus der Datei</translation>
    </message>
    <message>
        <source>Nothing to change</source>
        <translation>Nichts zu ändern</translation>
    </message>
    <message>
        <source>%1 already holds the setup of this file.</source>
        <translation>%1 enthält bereits die Einstellungen dieser Datei.</translation>
    </message>
    <message>
        <source>Press Restore to write these changes to %1.</source>
        <translation>Klicken Sie auf „Wiederherstellen“, um diese Änderungen auf %1 zu schreiben.</translation>
    </message>
    <message>
        <source>Writing to %1...</source>
        <translation>Schreiben auf %1...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Restored: %1 holds every setting of the file.</source>
        <translation>Wiederhergestellt: %1 enthält alle Einstellungen der Datei.</translation>
    </message>
    <message>
        <source>The restore stopped: %1 did not answer. Written: %2. Not written: %3. The pump was not told to take the new settings; restore again to finish.</source>
        <translation>Die Wiederherstellung wurde abgebrochen: %1 hat nicht geantwortet. Geschrieben: %2. Nicht geschrieben: %3. Die Pumpe wurde nicht angewiesen, die neuen Einstellungen zu übernehmen; stellen Sie erneut wieder her, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>Every setting was written, but %1 did not confirm taking them; restore again to finish.</source>
        <translation>Alle Einstellungen wurden geschrieben, aber %1 hat die Übernahme nicht bestätigt; stellen Sie erneut wieder her, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>The setup was written to %1, but reading it back failed, so it is not checked. Read the pages to see what the pump holds.</source>
        <translation>Die Einstellungen wurden auf %1 geschrieben, aber das Zurücklesen ist fehlgeschlagen, daher sind sie nicht geprüft. Lesen Sie die Seiten, um zu sehen, was die Pumpe enthält.</translation>
    </message>
    <message>
        <source>After the restore %1 holds other values than the file in: %2.</source>
        <translation>Nach der Wiederherstellung weichen die Werte von %1 in folgenden Bereichen von der Datei ab: %2.</translation>
    </message>
</context>
<context>
    <name>DialogWaiting</name>
    <message>
        <source>Dialog</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>request %1 of %2</source>
        <translation>Anfrage %1 von %2</translation>
    </message>
</context>
<context>
    <name>DoseQuestions</name>
    <message>
        <source>%1 (channel %2), %3: %4 ml per dosing day; the quick setup allows at most %5 ml a day for a %6 l aquarium.</source>
        <translation>%1 (Kanal %2), %3: %4 ml pro Dosiertag; die Schnelleinrichtung erlaubt für ein %6-l-Aquarium höchstens %5 ml am Tag.</translation>
    </message>
    <message>
        <source>Above the maximum daily dose:

%1

Too much can harm the animals in the tank. Send it to the pump anyway?</source>
        <translation>Über der maximalen Tagesdosis:

%1

Zu viel kann den Tieren im Becken schaden. Trotzdem an die Pumpe senden?</translation>
    </message>
    <message>
        <source>Send Anyway</source>
        <translation>Trotzdem senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On, custom plans</source>
        <translation>Ein, eigene Pläne</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <source>every %1 days</source>
        <translation>alle %1 Tage</translation>
    </message>
    <message>
        <source>no day of the week</source>
        <translation>kein Wochentag</translation>
    </message>
    <message>
        <source>%1 ml per dosing day</source>
        <translation>%1 ml pro Dosiertag</translation>
    </message>
    <message>
        <source>no dose</source>
        <translation>keine Dosis</translation>
    </message>
    <message>
        <source>%1 x %2 ml at %3</source>
        <translation>%1 × %2 ml um %3</translation>
    </message>
    <message>
        <source>%1 %2 ml</source>
        <translation>%1 %2 ml</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Setup replaces the whole automatic programme of the master pump. What changes is in bold.</source>
        <translation>Die Einrichtung ersetzt das ganze Automatikprogramm der Masterpumpe. Was sich ändert, ist fett.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>After Setup</source>
        <translation>Nach der Einrichtung</translation>
    </message>
    <message>
        <source>Write this programme to the pump?</source>
        <translation>Dieses Programm in die Pumpe schreiben?</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
</context>
<context>
    <name>DoseSetGroup</name>
    <message>
        <source>Auto Dose</source>
        <translation>Automatische Dosierung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Individuell</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 (channel %2) is On, but its stop time is not after its start time, so it has no doses per day. Choose a later stop time. Nothing was saved.</source>
        <translation>%1 (Kanal %2) ist eingeschaltet, aber seine Endzeit liegt nicht nach der Startzeit, daher gibt es keine Dosen pro Tag. Wählen Sie eine spätere Endzeit. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>Firmware-Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Erase Setup Information</source>
        <translation>Einstellungen löschen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Open Binary File</source>
        <translation>Binärdatei öffnen</translation>
    </message>
    <message>
        <source>Binary File(*.bin)</source>
        <translation>Binärdatei (*.bin)</translation>
    </message>
    <message>
        <source>Application connect successfully</source>
        <translation>Verbindung zum Bootloader hergestellt</translation>
    </message>
    <message>
        <source>Operate Failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>Erase Application successfully</source>
        <translation>Firmware gelöscht</translation>
    </message>
    <message>
        <source>Application Download successfully</source>
        <translation>Firmware erfolgreich übertragen</translation>
    </message>
    <message>
        <source>Application Download failed</source>
        <translation>Übertragung der Firmware fehlgeschlagen</translation>
    </message>
    <message>
        <source>Application Verify successfully</source>
        <translation>Firmware erfolgreich geprüft</translation>
    </message>
    <message>
        <source>Application Verify failed</source>
        <translation>Prüfung der Firmware fehlgeschlagen</translation>
    </message>
    <message>
        <source>Master pump firmware now</source>
        <translation>Aktuelle Firmware der Masterpumpe</translation>
    </message>
    <message>
        <source>Application version not read</source>
        <translation>Anwendungsversion nicht gelesen</translation>
    </message>
    <message>
        <source>Boot version not read</source>
        <translation>Bootloader-Version nicht gelesen</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is empty. Please choose a firmware file.</source>
        <translation>Die Datei %1 ist leer. Bitte wählen Sie eine Firmware-Datei.</translation>
    </message>
    <message>
        <source>The connection is busy. Please choose the file again in a moment.</source>
        <translation>Die Verbindung ist belegt. Bitte wählen Sie die Datei gleich noch einmal.</translation>
    </message>
    <message>
        <source>Upgrade the master pump with the firmware file %1?

Size: %2 bytes, sent as %3 blocks of 128 bytes.</source>
        <translation>Die Masterpumpe mit der Firmware-Datei %1 aktualisieren?

Größe: %2 Bytes, gesendet in %3 Blöcken zu 128 Bytes.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&quot;Erase Setup Information&quot; is ticked: the upgrade also erases every setting stored in the master pump.

Erase the settings of the master pump?</source>
        <translation>„Einstellungen löschen“ ist angekreuzt: Die Aktualisierung löscht auch alle in der Masterpumpe gespeicherten Einstellungen.

Die Einstellungen der Masterpumpe löschen?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The file stays chosen: press Upgrade to try again.</source>
        <translation>Die Datei bleibt gewählt: Drücken Sie „Aktualisieren“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Switch into the boot loader</source>
        <translation>Wechsel in den Bootloader</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Start the application</source>
        <translation>Starten der Anwendung</translation>
    </message>
    <message>
        <source>no reason was reported</source>
        <translation>es wurde kein Grund gemeldet</translation>
    </message>
    <message>
        <source>the pump did not answer (%1 attempts)</source>
        <translation>die Pumpe hat nicht geantwortet (%1 Versuche)</translation>
    </message>
    <message>
        <source>the pump did not answer</source>
        <translation>die Pumpe hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the pump refused the command (%1 attempts)</source>
        <translation>die Pumpe hat den Befehl abgelehnt (%1 Versuche)</translation>
    </message>
    <message>
        <source>the pump did not start its boot loader</source>
        <translation>die Pumpe hat ihren Bootloader nicht gestartet</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times</source>
        <translation>Block %1 wurde %2-mal abgelehnt</translation>
    </message>
    <message>
        <source>block %1 was not acknowledged (%2 attempts)</source>
        <translation>Block %1 wurde nicht bestätigt (%2 Versuche)</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times and not acknowledged %3 times</source>
        <translation>Block %1 wurde %2-mal abgelehnt und %3-mal nicht bestätigt</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times</source>
        <translation>Block %1 kam %2-mal beschädigt zurück</translation>
    </message>
    <message>
        <source>block %1 did not come back (%2 attempts)</source>
        <translation>Block %1 kam nicht zurück (%2 Versuche)</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times and did not come %3 times</source>
        <translation>Block %1 kam %2-mal beschädigt und %3-mal gar nicht zurück</translation>
    </message>
    <message>
        <source>verification mismatch at block %1</source>
        <translation>Abweichung bei der Prüfung in Block %1</translation>
    </message>
    <message>
        <source>no firmware file is loaded</source>
        <translation>keine Firmware-Datei geladen</translation>
    </message>
    <message>
        <source>the connection is busy or down</source>
        <translation>die Verbindung ist belegt oder unterbrochen</translation>
    </message>
    <message>
        <source>the connection to the pump was lost</source>
        <translation>die Verbindung zur Pumpe ist abgebrochen</translation>
    </message>
    <message>
        <source>%1 failed: %2.</source>
        <translation>%1 fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>The master pump does not answer as a boot loader: it is probably running its application.

Restart it into its boot loader now and go on with the upgrade?</source>
        <translation>Die Masterpumpe antwortet nicht als Bootloader: Vermutlich läuft ihre Anwendung.

Sie jetzt in ihren Bootloader neu starten und die Aktualisierung fortsetzen?</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Restarting the master pump into its boot loader</source>
        <translation>Die Masterpumpe wird in ihren Bootloader neu gestartet</translation>
    </message>
    <message>
        <source>Save the master&apos;s settings in a setup file before the upgrade erases them? Restore Setup in the File menu brings them back.</source>
        <translation>Die Einstellungen der Masterpumpe vor dem Löschen durch das Update in einer Einstellungsdatei sichern? „Einstellungen wiederherstellen...“ im Menü Datei holt sie zurück.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Sichern...</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>No backup was saved. Erase the settings of the master pump all the same?</source>
        <translation>Es wurde keine Sicherung gespeichert. Die Einstellungen der Masterpumpe trotzdem löschen?</translation>
    </message>
</context>
<context>
    <name>LinkStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Connecting... next try %1</source>
        <translation>Verbinde... nächster Versuch %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>%1 not answering</source>
        <translation>%1 antwortet nicht</translation>
    </message>
    <message>
        <source>%1 read %2</source>
        <translation>%1 gelesen %2</translation>
    </message>
</context>
<context>
    <name>LiquidStatus</name>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>LiquidStatusUnit</name>
    <message>
        <source>Pump Name</source>
        <translation>Pumpenname</translation>
    </message>
    <message>
        <source>Liquid Left</source>
        <translation>Restmenge</translation>
    </message>
    <message>
        <source>Days Left</source>
        <translation>Resttage</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Füllmenge</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Refill</source>
        <translation>Nachfüllen</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>MainWindowConn</name>
    <message>
        <source>Dosing Pump</source>
        <translation>Dosierpumpe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Pump Name</source>
        <translation>Pumpennamen</translation>
    </message>
    <message>
        <source>Chemical Interval</source>
        <translation>Dosierabstand</translation>
    </message>
    <message>
        <source>Ip and port</source>
        <translation>IP und Port</translation>
    </message>
    <message>
        <source>Restore setup</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Display prompt</source>
        <translation>Hinweise anzeigen</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Fireware upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Slave Setup</source>
        <translation>Slave-Einstellungen</translation>
    </message>
    <message>
        <source>Time/Temp</source>
        <translation>Zeit/Temp.</translation>
    </message>
    <message>
        <source>Dose Settings</source>
        <translation>Dosierprogramm</translation>
    </message>
    <message>
        <source>Manual/Calibration</source>
        <translation>Hand/Kalibrierung</translation>
    </message>
    <message>
        <source>Liquid Status</source>
        <translation>Behälterstatus</translation>
    </message>
    <message>
        <source>Quik Setup</source>
        <translation>Schnelleinrichtung</translation>
    </message>
    <message>
        <source>Liquid sensor</source>
        <translation>Füllstandssensor</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump</source>
        <translation>Dosierpumpe Tidewell D4</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>%1 did not answer; its pages are disabled</source>
        <translation>%1 hat nicht geantwortet; seine Seiten sind deaktiviert</translation>
    </message>
    <message>
        <source>%1 did not answer; their pages are disabled</source>
        <translation>%1 haben nicht geantwortet; ihre Seiten sind deaktiviert</translation>
    </message>
    <message>
        <source>Backup Setup...</source>
        <translation>Einstellungen sichern...</translation>
    </message>
    <message>
        <source>Restore Setup...</source>
        <translation>Einstellungen wiederherstellen...</translation>
    </message>
    <message>
        <source>Quiet confirmations</source>
        <translation>Dezente Bestätigungen</translation>
    </message>
    <message>
        <source>These pages have changes that have not been saved to the pump: %1. Discard them?</source>
        <translation>Diese Seiten enthalten Änderungen, die nicht in der Pumpe gespeichert wurden: %1. Verwerfen?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Warnings: %1</source>
        <translation>Warnungen: %1</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>Keine Warnungen</translation>
    </message>
    <message>
        <source>Show the overview</source>
        <translation>Übersicht anzeigen</translation>
    </message>
</context>
<context>
    <name>ManuControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Manuelle Dosierung</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Calibration mode</source>
        <translation>Kalibriermodus</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Run for</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source> S</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Work Time</source>
        <translation>Verstrichen</translation>
    </message>
    <message>
        <source>0 S</source>
        <translation>0 s</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Gemessene Menge</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Everage Flow</source>
        <translation>Mittl. Durchfluss</translation>
    </message>
    <message>
        <source>0.00 ml/min</source>
        <translation>0.00 ml/min</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 ml/min</source>
        <translation>%1 ml/min</translation>
    </message>
    <message>
        <source>Run the calibration of this pump at its current speed to the end first, then enter the volume it delivered.</source>
        <translation>Lassen Sie die Kalibrierung dieser Pumpe zuerst bei ihrer aktuellen Stufe vollständig durchlaufen und geben Sie dann die geförderte Menge ein.</translation>
    </message>
    <message>
        <source>Enter the volume the pump delivered before saving.</source>
        <translation>Geben Sie vor dem Speichern die von der Pumpe geförderte Menge ein.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>ManualControlUnit</name>
    <message>
        <source>Pump</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>Präzise</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>%1: a run of %2 ml is more than the %3 ml left in its bottle. The bottle may run empty before the run ends. Start it anyway?</source>
        <translation>%1: ein Lauf von %2 ml ist mehr als die %3 ml in der Flasche. Die Flasche kann vor dem Ende leer werden. Trotzdem starten?</translation>
    </message>
    <message>
        <source>Start Anyway</source>
        <translation>Trotzdem starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>Setting Saved Successfully</source>
        <translation>Die Einstellungen wurden gespeichert.</translation>
    </message>
    <message>
        <source>Failed to Save Setting</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Read setting Successfully</source>
        <translation>Die Einstellungen wurden gelesen.</translation>
    </message>
    <message>
        <source>Failed to read the setting</source>
        <translation>Die Einstellungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Reconnect successfully</source>
        <translation>Die Verbindung wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Network connection error, please check your Internet setting</source>
        <translation>Netzwerkverbindung fehlgeschlagen. Bitte prüfen Sie Ihre Netzwerkeinstellungen.</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>The old password is wrong</source>
        <translation>Das alte Passwort ist falsch.</translation>
    </message>
    <message>
        <source>The two passwords you enter do not match</source>
        <translation>Die beiden eingegebenen Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>New password length must be shorter than 7</source>
        <translation>Das neue Passwort darf höchstens 6 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>New password length can not be empty</source>
        <translation>Das neue Passwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Setting password successfully</source>
        <translation>Das Passwort wurde geändert.</translation>
    </message>
    <message>
        <source>There is no data needs to be saved</source>
        <translation>Es sind keine Daten zu speichern.</translation>
    </message>
    <message>
        <source>Restore Factory Setting Successfully, the software will restart</source>
        <translation>Die Werkseinstellungen wurden wiederhergestellt. Die Software wird neu gestartet.</translation>
    </message>
    <message>
        <source>Stop running, Please enter the volume of solution</source>
        <translation>Die Pumpe hat angehalten. Bitte geben Sie die geförderte Menge an Lösung ein.</translation>
    </message>
    <message>
        <source>Setting plan &apos;s titer beyond range</source>
        <translation>Die Menge des Plans liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Index error for setting plan</source>
        <translation>Ungültige Plannummer.</translation>
    </message>
    <message>
        <source>Anti-chemical interference can not be more than 55 minutes</source>
        <translation>Die Dosierabstände dürfen zusammen höchstens 55 Minuten betragen.</translation>
    </message>
    <message>
        <source>If you choose to delete the “setting information” ,After upgrade , All previously setting information will disappear , Strongly recommended not to choose</source>
        <translation>Wenn Sie „Einstellungen löschen“ wählen, gehen nach dem Update alle bisherigen Einstellungen verloren. Es wird dringend empfohlen, diese Option nicht zu wählen.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Read the original parameters of Auto Liquid Adding setting</source>
        <translation>Die Einstellungen der automatischen Dosierung aus der Pumpe lesen</translation>
    </message>
    <message>
        <source>Save the Auto liquid adding setup</source>
        <translation>Die Einstellungen der automatischen Dosierung in der Pumpe speichern</translation>
    </message>
    <message>
        <source>Read the setting parameters of solution bottle</source>
        <translation>Die Einstellungen der Lösungsbehälter lesen</translation>
    </message>
    <message>
        <source>Save the setting parameters of solution bottle</source>
        <translation>Die Einstellungen der Lösungsbehälter speichern</translation>
    </message>
    <message>
        <source>Time and temperature setting interface</source>
        <translation>Uhrzeit und Temperatur einstellen</translation>
    </message>
    <message>
        <source>Auto Dose setup interface, if you switch to other interface, the settings may change</source>
        <translation>Automatische Dosierung einstellen; wenn Sie zu einer anderen Seite wechseln, können sich die Einstellungen ändern</translation>
    </message>
    <message>
        <source>Manual Control and Calibration interface</source>
        <translation>Manuelle Dosierung und Kalibrierung</translation>
    </message>
    <message>
        <source>Status setting and checking interface of Solution bottle</source>
        <translation>Status der Lösungsbehälter einstellen und prüfen</translation>
    </message>
    <message>
        <source>Quickly setting interface</source>
        <translation>Schnelleinrichtung</translation>
    </message>
    <message>
        <source>Read temperature in the past 24 hours</source>
        <translation>Temperatur der letzten 24 Stunden lesen</translation>
    </message>
    <message>
        <source>Read the original parameters of temperature setting</source>
        <translation>Die Temperatureinstellungen aus der Pumpe lesen</translation>
    </message>
    <message>
        <source>Save the parameters of  temperature setting</source>
        <translation>Die Temperatureinstellungen speichern</translation>
    </message>
    <message>
        <source>Last update time</source>
        <translation>Zeitpunkt der letzten Aktualisierung</translation>
    </message>
    <message>
        <source>Confirm to restore factory setting? The software will restart after resetting</source>
        <translation>Werkseinstellungen wiederherstellen? Die Software wird danach neu gestartet.</translation>
    </message>
    <message>
        <source>Language changed successfully, do you want to restart the software now?</source>
        <translation>Die Sprache wurde geändert. Möchten Sie die Software jetzt neu starten?</translation>
    </message>
    <message>
        <source>Plan Index</source>
        <translation>Nummer des Plans</translation>
    </message>
    <message>
        <source>Start time for plan</source>
        <translation>Startzeit des Plans</translation>
    </message>
    <message>
        <source>Preset dosing volume</source>
        <translation>Vorgesehene Dosiermenge</translation>
    </message>
    <message>
        <source>Add or edit a plan</source>
        <translation>Plan hinzufügen oder ändern</translation>
    </message>
    <message>
        <source>Delete a plan</source>
        <translation>Plan löschen</translation>
    </message>
    <message>
        <source>Checking the status of liquid sensor</source>
        <translation>Status der Füllstandssensoren prüfen</translation>
    </message>
    <message>
        <source>Reading the status information for liquid sensor</source>
        <translation>Status der Füllstandssensoren lesen</translation>
    </message>
    <message>
        <source>Erase the setting information when update software , Strongly recommended not to choose</source>
        <translation>Löscht beim Update die Einstellungen – davon wird dringend abgeraten</translation>
    </message>
    <message>
        <source>Open a binary file</source>
        <translation>Binärdatei öffnen</translation>
    </message>
    <message>
        <source>Update program</source>
        <translation>Firmware aktualisieren</translation>
    </message>
</context>
<context>
    <name>OfflineCover</name>
    <message>
        <source>This pump did not answer when it was read, so none of its values are known.</source>
        <translation>Diese Pumpe hat beim Lesen nicht geantwortet, daher ist keiner ihrer Werte bekannt.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Last try %1</source>
        <translation>Letzter Versuch: %1</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Warn when a bottle has days left:</source>
        <translation>Warnen bei Resttagen bis:</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>Alle lesen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Resttage</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Custom plans</source>
        <translation>Eigene Pläne</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Every 2 days</source>
        <translation>Alle 2 Tage</translation>
    </message>
    <message>
        <source>Every 3 days</source>
        <translation>Alle 3 Tage</translation>
    </message>
    <message>
        <source>No week day</source>
        <translation>Kein Wochentag</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Unbekannter Modus</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>No dose</source>
        <translation>Keine Dosis</translation>
    </message>
    <message>
        <source>%1 · %2 × %3
%4</source>
        <translation>%1 · %2 × %3
%4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Bottle low</source>
        <translation>Flasche fast leer</translation>
    </message>
    <message>
        <source>Sensor low</source>
        <translation>Sensor niedrig</translation>
    </message>
    <message>
        <source>Above maximum</source>
        <translation>Über Maximum</translation>
    </message>
    <message>
        <source>%1 · offline: it did not answer its last read</source>
        <translation>%1 · offline: keine Antwort beim letzten Lesen</translation>
    </message>
    <message>
        <source>clock %1, %2</source>
        <translation>Uhr %1, %2</translation>
    </message>
    <message>
        <source>clock not set</source>
        <translation>Uhr nicht gestellt</translation>
    </message>
    <message>
        <source>%1 · Clock wrong</source>
        <translation>%1 · Uhr falsch</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 ml left of %2 ml</source>
        <translation>%1 ml von %2 ml übrig</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 a day is above the maximum of %2</source>
        <translation>%1 pro Tag liegt über dem Maximum von %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>same time as the PC</source>
        <translation>gleiche Zeit wie der PC</translation>
    </message>
    <message>
        <source>%1 ahead of the PC</source>
        <translation>%1 vor dem PC</translation>
    </message>
    <message>
        <source>%1 behind the PC</source>
        <translation>%1 hinter dem PC</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>ParameterSetup</name>
    <message>
        <source>用户输入</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>海缸总体积(L)</source>
        <translation>Gesamtvolumen Becken (L)</translation>
    </message>
    <message>
        <source>钙提升量(PPM)</source>
        <translation>Ca-Verbrauch (ppm)</translation>
    </message>
    <message>
        <source>镁提升量(PPM)</source>
        <translation>Mg-Verbrauch (ppm)</translation>
    </message>
    <message>
        <source>KH提升量(dKH)</source>
        <translation>KH-Verbrauch (dKH)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>建议参数</source>
        <translation>Empfohlene Dosierung</translation>
    </message>
    <message>
        <source>推荐滴定量</source>
        <translation>Empfohlen</translation>
    </message>
    <message>
        <source>最大滴定量</source>
        <translation>Maximal</translation>
    </message>
    <message>
        <source>钙滴定量(ml)</source>
        <translation>Calcium (ml)</translation>
    </message>
    <message>
        <source>KH滴定量(ml)</source>
        <translation>KH (ml)</translation>
    </message>
    <message>
        <source>镁滴定量(ml)</source>
        <translation>Magnesium (ml)</translation>
    </message>
    <message>
        <source>阴阳水滴定量(ml)</source>
        <translation>2-Komponenten (ml)</translation>
    </message>
    <message>
        <source>锶滴定量(ml)</source>
        <translation>Strontium (ml)</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>ReadOutSplash</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
</context>
<context>
    <name>SensorStatusSetup</name>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source> Reading status</source>
        <translation> Status lesen</translation>
    </message>
    <message>
        <source>Sensor4</source>
        <translation>Sensor 4</translation>
    </message>
    <message>
        <source>Sensor3</source>
        <translation>Sensor 3</translation>
    </message>
    <message>
        <source>Sensor2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Sensor1</source>
        <translation>Sensor 1</translation>
    </message>
</context>
<context>
    <name>SetupDiff</name>
    <message>
        <source>every day</source>
        <translation>täglich</translation>
    </message>
    <message>
        <source>every 2 days</source>
        <translation>alle 2 Tage</translation>
    </message>
    <message>
        <source>every 3 days</source>
        <translation>alle 3 Tage</translation>
    </message>
    <message>
        <source>chosen weekdays</source>
        <translation>ausgewählte Wochentage</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>präzise</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>Präziser Durchfluss</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>Mittlerer Durchfluss</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>Schneller Durchfluss</translation>
    </message>
    <message>
        <source>unknown (%1)</source>
        <translation>unbekannt (%1)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 ml/min</source>
        <translation>%1 ml/min</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht festgelegt</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Dosing by</source>
        <translation>Dosierung nach</translation>
    </message>
    <message>
        <source>custom plans</source>
        <translation>eigenen Plänen</translation>
    </message>
    <message>
        <source>programme</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Doses per day</source>
        <translation>Dosierungen pro Tag</translation>
    </message>
    <message>
        <source>Daily volume</source>
        <translation>Tagesmenge</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Pläne</translation>
    </message>
    <message>
        <source>Channel %1 programme</source>
        <translation>Programm Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Low threshold</source>
        <translation>Untere Schwelle</translation>
    </message>
    <message>
        <source>High threshold</source>
        <translation>Obere Schwelle</translation>
    </message>
    <message>
        <source>Probe calibration</source>
        <translation>Sondenkalibrierung</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Channel %1 calibration</source>
        <translation>Kalibrierung Kanal %1</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Liquid left</source>
        <translation>Restmenge</translation>
    </message>
    <message>
        <source>Bottle %1</source>
        <translation>Flasche %1</translation>
    </message>
    <message>
        <source>Aquarium volume</source>
        <translation>Aquariumvolumen</translation>
    </message>
    <message>
        <source>%1 l</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>Channel %1 name</source>
        <translation>Name Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1 reagent</source>
        <translation>Reagenz Kanal %1</translation>
    </message>
    <message>
        <source>Reagent %1</source>
        <translation>Reagenz %1</translation>
    </message>
    <message>
        <source>%1 (%2) quick setup values</source>
        <translation>Schnelleinrichtungswerte %1 (%2)</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>wie jetzt</translation>
    </message>
    <message>
        <source>from the file</source>
        <translation>aus der Datei</translation>
    </message>
    <message>
        <source>Interval settings kept on the PC</source>
        <translation>Auf dem PC gespeicherte Intervalleinstellungen</translation>
    </message>
    <message>
        <source>PC settings</source>
        <translation>PC-Einstellungen</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>coil</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>discrete input</source>
        <translation>diskreter Eingang</translation>
    </message>
    <message>
        <source>input register</source>
        <translation>Eingangsregister</translation>
    </message>
    <message>
        <source>holding register</source>
        <translation>Halteregister</translation>
    </message>
    <message>
        <source>The file has no %1 table.</source>
        <translation>Die Datei enthält keine Tabelle „%1“.</translation>
    </message>
    <message>
        <source>The %1 table holds %2 values; a setup file holds %3.</source>
        <translation>Die Tabelle „%1“ enthält %2 Werte; eine Einstellungsdatei enthält %3.</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>The %1 %2 holds %3; it must be a whole number from 0 to %4.</source>
        <translation>%1 %2 enthält %3; erlaubt ist eine ganze Zahl von 0 bis %4.</translation>
    </message>
    <message>
        <source>The PC settings in the file are incomplete (%1).</source>
        <translation>Die PC-Einstellungen in der Datei sind unvollständig (%1).</translation>
    </message>
    <message>
        <source>The file is not a setup file: %1 at character %2.</source>
        <translation>Die Datei ist keine Einstellungsdatei: %1 bei Zeichen %2.</translation>
    </message>
    <message>
        <source>The file is not a setup file: it holds no JSON object.</source>
        <translation>Die Datei ist keine Einstellungsdatei: Sie enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The file is not a Tidewell setup file (its format is &quot;%1&quot;).</source>
        <translation>Die Datei ist keine Tidewell-Einstellungsdatei (ihr Format ist „%1“).</translation>
    </message>
    <message>
        <source>The file&apos;s format version %1 is not one this program knows (%2).</source>
        <translation>Die Formatversion %1 der Datei ist diesem Programm nicht bekannt (%2).</translation>
    </message>
    <message>
        <source>The file does not say when it was saved.</source>
        <translation>Die Datei gibt nicht an, wann sie gespeichert wurde.</translation>
    </message>
    <message>
        <source>The file names no pump address from %1 to %2.</source>
        <translation>Die Datei nennt keine Pumpenadresse von %1 bis %2.</translation>
    </message>
    <message>
        <source>The file holds no PC settings.</source>
        <translation>Die Datei enthält keine PC-Einstellungen.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is too large to be a setup file.</source>
        <translation>Die Datei ist zu groß für eine Einstellungsdatei.</translation>
    </message>
</context>
<context>
    <name>SetupRestore</name>
    <message>
        <source>dose programme</source>
        <translation>Dosierprogramm</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>temperature settings</source>
        <translation>Temperatureinstellungen</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>bottles</source>
        <translation>Flaschen</translation>
    </message>
</context>
<context>
    <name>TimeTempSetup</name>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Kein Messwert</translation>
    </message>
    <message>
        <source>Temperature Sensor</source>
        <translation>Temperaturfühler</translation>
    </message>
    <message>
        <source>Temperature alarm</source>
        <translation>Temperaturalarm</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Setup Time</source>
        <translation>Zeit einstellen</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>℃ Celsius degrees</source>
        <translation>℃ Grad Celsius</translation>
    </message>
    <message>
        <source>℉ Fahrenheit scale</source>
        <translation>℉ Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Low:%1 ℉</source>
        <translation>Min.: %1 ℉</translation>
    </message>
    <message>
        <source>Low:%1 ℃</source>
        <translation>Min.: %1 ℃</translation>
    </message>
    <message>
        <source>High:%1 ℉</source>
        <translation>Max.: %1 ℉</translation>
    </message>
    <message>
        <source>High:%1 ℃</source>
        <translation>Max.: %1 ℃</translation>
    </message>
    <message>
        <source>Active:%1 ℉</source>
        <translation>Aktuell: %1 ℉</translation>
    </message>
    <message>
        <source>Active:%1 ℃</source>
        <translation>Aktuell: %1 ℃</translation>
    </message>
    <message>
        <source>Pump clock: %1, %2</source>
        <translation>Pumpenuhr: %1, %2</translation>
    </message>
    <message>
        <source>Pump clock: not set</source>
        <translation>Pumpenuhr: nicht gestellt</translation>
    </message>
    <message>
        <source>The pump&apos;s clock is wrong: set it from the PC</source>
        <translation>Die Uhr der Pumpe ist falsch: vom PC aus stellen</translation>
    </message>
</context>
<context>
    <name>UiOperate</name>
    <message>
        <source>Ca</source>
        <translation>Ca</translation>
    </message>
    <message>
        <source>Mg</source>
        <translation>Mg</translation>
    </message>
    <message>
        <source>Kh</source>
        <translation>KH</translation>
    </message>
    <message>
        <source>Sr</source>
        <translation>Sr</translation>
    </message>
    <message>
        <source>阴阳水</source>
        <translation>2-Komponenten</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Firmvare App Version </source>
        <translation>Firmware-App-Version </translation>
    </message>
    <message>
        <source>Firmvare Version </source>
        <translation>Firmware-Version </translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
</context>
<context>
    <name>WeekWidget</name>
    <message>
        <source>Monday </source>
        <translation>Montag </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday </source>
        <translation>Samstag </translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
</TS>
