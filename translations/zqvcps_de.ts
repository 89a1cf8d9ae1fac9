<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>OLE initialization failed. Make sure that the OLE libraries are the correct version.</source>
        <translation>OLE-Initialisierung fehlgeschlagen. Stellen Sie sicher, dass die OLE-Bibliotheken in der richtigen Version vorliegen.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Schwerwiegender Fehler: 101.</translation>
    </message>
    <message>
        <source>Fatal error.
Please uninstall and re-install ZQV CPS.</source>
        <translation>Schwerwiegender Fehler.
Bitte deinstallieren Sie ZQV CPS und installieren Sie es neu.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Das Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Initialisierung der Windows-Sockets fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Ungültiges Profil.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Programing error: 107.</source>
        <translation>Programmierfehler: 107.</translation>
    </message>
    <message>
        <source>Programing error: 108.</source>
        <translation>Programmierfehler: 108.</translation>
    </message>
    <message>
        <source>Scroll List</source>
        <translation>Blätterliste</translation>
    </message>
    <message>
        <source>Channel %d</source>
        <translation>Kanal %d</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>Scanmodus</translation>
    </message>
    <message>
        <source>A similar name already exists in the contact list. Please specify a different name.</source>
        <translation>Ein ähnlicher Name ist in der Kontaktliste bereits vorhanden. Bitte geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <source>
Profile
ZQVCPSProfile
ZQV CPS Files (*.zqv)
.zqv
ZQVCPS.Profile
ZQVCPS.Profile</source>
        <translation>
Profil
ZQVCPSProfile
ZQV-CPS-Dateien (*.zqv)
.zqv
ZQVCPS.Profile
ZQVCPS.Profile</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Textnachrichten</translation>
    </message>
    <message>
        <source>A similar PID already exists in the contact list. Please specify a different PID.</source>
        <translation>Diese PID ist in der Kontaktliste bereits vorhanden. Bitte geben Sie eine andere PID an.</translation>
    </message>
    <message>
        <source>Changing the channel will remove this public group from channel %d&apos;s scan list and add it to channel %d&apos;s scan list. Do you want to continue?</source>
        <translation>Durch den Kanalwechsel wird diese öffentliche Gruppe aus der Scanliste von Kanal %d entfernt und zur Scanliste von Kanal %d hinzugefügt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Channel changed successfully, but the new channel&apos;s scan list is full, this contact has not been added to new channel&apos;s scan list.</source>
        <translation>Der Kanal wurde gewechselt, aber die Scanliste des neuen Kanals ist voll; dieser Kontakt wurde nicht zur Scanliste des neuen Kanals hinzugefügt.</translation>
    </message>
    <message>
        <source>Programing error: 135.
No available private contacts in the new channel.</source>
        <translation>Programmierfehler: 135.
Im neuen Kanal sind keine Privatkontakte verfügbar.</translation>
    </message>
    <message>
        <source>Changing this Private Group&apos;s channel will remove all of its members. Do you want to continue?</source>
        <translation>Wenn Sie den Kanal dieser privaten Gruppe ändern, werden alle ihre Mitglieder entfernt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Changing this Private contact&apos;s channel will remove it from all of its Private Groups and any Private Groups with no member will be deleted.  Also, this contact&apos;s Home Group field will be cleared. Do you want to continue?</source>
        <translation>Wenn Sie den Kanal dieses Privatkontakts ändern, wird er aus allen seinen privaten Gruppen entfernt, und private Gruppen ohne Mitglied werden gelöscht.  Außerdem wird das Feld Heimatgruppe dieses Kontakts geleert. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Private contact already belongs to maximum number of private groups. Please remove this private contact from a private group first.</source>
        <translation>Der Privatkontakt gehört bereits der höchstmöglichen Anzahl privater Gruppen an. Bitte entfernen Sie diesen Privatkontakt zuerst aus einer privaten Gruppe.</translation>
    </message>
    <message>
        <source>Deleting this Private Group will remove all of its members. Do you want to continue?</source>
        <translation>Wenn Sie diese private Gruppe löschen, werden alle ihre Mitglieder entfernt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Deleting this Private contact will remove it from all of its Private Groups and any Private Groups with no member will be deleted. Do you want to continue?</source>
        <translation>Wenn Sie diesen Privatkontakt löschen, wird er aus allen seinen privaten Gruppen entfernt, und private Gruppen ohne Mitglied werden gelöscht. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Händlerinformationen</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Kontaktinformationen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Error: There is an error when to acquire language type!</source>
        <translation>Fehler: Der Sprachtyp konnte nicht ermittelt werden!</translation>
    </message>
    <message>
        <source>The length of contact name can not exceed %d.</source>
        <translation>Der Kontaktname darf höchstens %d Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Wählen Sie eine Berichtsvorlage.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Radio-Specific Report</source>
        <translation>Funkgerätbericht</translation>
    </message>
    <message>
        <source>Overview Report</source>
        <translation>Übersichtsbericht</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Home Channel</source>
        <translation>Heimatkanal</translation>
    </message>
    <message>
        <source>See All Groups</source>
        <translation>Alle Gruppen sehen</translation>
    </message>
    <message>
        <source>Receive From</source>
        <translation>Empfangen von</translation>
    </message>
    <message>
        <source>Transmit To</source>
        <translation>Senden an</translation>
    </message>
    <message>
        <source>All Privates</source>
        <translation>Alle Privatkontakte</translation>
    </message>
    <message>
        <source>All Private Groups</source>
        <translation>Alle privaten Gruppen</translation>
    </message>
    <message>
        <source>All Public Groups</source>
        <translation>Alle öffentlichen Gruppen</translation>
    </message>
    <message>
        <source>Manager Mode Enabled</source>
        <translation>Managermodus aktiviert</translation>
    </message>
    <message>
        <source>See All Groups Enabled</source>
        <translation>Alle Gruppen sehen aktiviert</translation>
    </message>
    <message>
        <source>Group Only Enabled</source>
        <translation>Nur Gruppe aktiviert</translation>
    </message>
    <message>
        <source>Private Groups</source>
        <translation>Private Gruppen</translation>
    </message>
    <message>
        <source>Public Groups</source>
        <translation>Öffentliche Gruppen</translation>
    </message>
    <message>
        <source>Receive List</source>
        <translation>Empfangsliste</translation>
    </message>
    <message>
        <source>Group Members</source>
        <translation>Gruppenmitglieder</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>The length of text message can not exceed %d characters.</source>
        <translation>Die Textnachricht darf höchstens %d Zeichen lang sein.</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Manager Mode</source>
        <translation>Managermodus</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Scroll List (global)</source>
        <translation>Blätterliste (global)</translation>
    </message>
    <message>
        <source>Scroll List (private)</source>
        <translation>Blätterliste (privat)</translation>
    </message>
    <message>
        <source>Private Scroll List</source>
        <translation>Private Blätterliste</translation>
    </message>
    <message>
        <source>The message can only contain ISO-8859-1 characters. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>Die Nachricht darf nur Zeichen aus ISO-8859-1 enthalten. Wenn Sie fortfahren, wird diese Nachricht gelöscht. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Contact name can only contain ISO-8859-1 characters.</source>
        <translation>Der Kontaktname darf nur Zeichen aus ISO-8859-1 enthalten.</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Hilfebereich</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Einige von CPS benötigte Dateien sind nicht vorhanden.
Bitte installieren Sie CPS neu.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Die Sprachressourcendatei fehlt. CPS wird in englischer Sprache gestartet.</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Sie müssen CPS neu starten, damit diese Änderung wirksam wird.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>Spei&amp;chern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Hinzufügen	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Scan(Add)	Ctrl+T</source>
        <translation>&amp;Scannen (Hinzufügen)	Ctrl+T</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>&amp;Umbenennen	F2</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>Hä&amp;ndlerinfo</translation>
    </message>
    <message>
        <source>Pr&amp;eference</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Error: Unable to convert the radio text format into the CPS text format.</source>
        <translation>Fehler: Das Textformat des Funkgeräts kann nicht in das CPS-Textformat umgewandelt werden.</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Read	Ctrl+R</source>
        <translation>&amp;Lesen	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write	Ctrl+W</source>
        <translation>&amp;Schreiben	Ctrl+W</translation>
    </message>
    <message>
        <source>R&amp;eset	Ctrl+E</source>
        <translation>&amp;Zurücksetzen	Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Be&amp;richt</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Content and Index...	F1</source>
        <translation>&amp;Inhalt und Index...	F1</translation>
    </message>
    <message>
        <source>&amp;About %s...</source>
        <translation>Ü&amp;ber %s...</translation>
    </message>
    <message>
        <source>Error: Unable to convert CPS character format into the radio text format.</source>
        <translation>Fehler: Das CPS-Zeichenformat kann nicht in das Textformat des Funkgeräts umgewandelt werden.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Error: 101 Some node exist in CodePlugSetting part and VisibleSetting.</source>
        <translation>Fehler: 101 Einige Knoten sind sowohl im Teil CodePlugSetting als auch in VisibleSetting vorhanden.</translation>
    </message>
    <message>
        <source>Error: 102 Some node are not correct, please check.</source>
        <translation>Fehler: 102 Einige Knoten sind nicht korrekt, bitte prüfen.</translation>
    </message>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the ZQV CPS.</source>
        <translation>CPS benötigt zum Start die VBScript-Engine. Bitte installieren Sie die VBScript-Engine, bevor Sie ZQV CPS neu starten.</translation>
    </message>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Bitte geben Sie 4 Ziffern ein.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Die eingegebenen Kennwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>The opened profile is not the latest format. Do you want convert it to the latest format?
(You can&apos;t convert it back to the original format once you select yes.)</source>
        <translation>Das geöffnete Profil hat nicht das neueste Format. Möchten Sie es in das neueste Format umwandeln?
(Wenn Sie Ja wählen, kann es nicht mehr in das ursprüngliche Format zurückgewandelt werden.)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>File format is error. Failed to save.</source>
        <translation>Das Dateiformat ist fehlerhaft. Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Bitte geben Sie das Kennwort ein:</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it.</source>
        <translation>Das Kennwort ist nicht korrekt. Bitte prüfen Sie es.</translation>
    </message>
    <message>
        <source>Error: Unable to get radio password.</source>
        <translation>Fehler: Das Kennwort des Funkgeräts konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No COM port is detected on this computer.</source>
        <translation>Auf diesem Computer wurde kein COM-Anschluss gefunden.</translation>
    </message>
    <message>
        <source>ZQV7 M profile is not compatible with ZQV7 radio.</source>
        <translation>Ein ZQV7-M-Profil ist nicht mit dem Funkgerät ZQV7 kompatibel.</translation>
    </message>
    <message>
        <source>Auto Detect COM Port</source>
        <translation>COM-Anschluss automatisch erkennen</translation>
    </message>
    <message>
        <source>Do you want to create a new profile(Yes), overwrite the currently selected profile(No) or cancel it?</source>
        <translation>Möchten Sie ein neues Profil anlegen (Ja), das gerade ausgewählte Profil überschreiben (Nein) oder abbrechen?</translation>
    </message>
    <message>
        <source>Preference Setting</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Select COM Port</source>
        <translation>COM-Anschluss wählen</translation>
    </message>
    <message>
        <source>Can not read the registry entry of </source>
        <translation>Der Registrierungseintrag kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Funkgerät wird gelesen ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Funkgerät wird beschrieben ...</translation>
    </message>
    <message>
        <source>Reading successful!</source>
        <translation>Lesen erfolgreich!</translation>
    </message>
    <message>
        <source>Writing success!</source>
        <translation>Schreiben erfolgreich!</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Warning: The radio being programmed is not in this profile. Do you want to continue?</source>
        <translation>Warnung: Das zu programmierende Funkgerät ist nicht in diesem Profil enthalten. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Warning: Some profile information is not supported by the host radio and therefore it will not be transferred. Do you want to continue?</source>
        <translation>Warnung: Einige Profilinformationen werden vom angeschlossenen Funkgerät nicht unterstützt und deshalb nicht übertragen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Unknown Warning!</source>
        <translation>Unbekannte Warnung!</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Bitte wählen Sie das Modell des Profils.</translation>
    </message>
    <message>
        <source>Unit Private ID</source>
        <translation>Private Geräte-ID</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug-Version</translation>
    </message>
    <message>
        <source>Press Home 3 times and then PTT on the other radio.</source>
        <translation>Drücken Sie am anderen Funkgerät 3-mal Home und dann PTT.</translation>
    </message>
    <message>
        <source>Home Group</source>
        <translation>Heimatgruppe</translation>
    </message>
    <message>
        <source>Group Only</source>
        <translation>Nur Gruppe</translation>
    </message>
    <message>
        <source>Ringer</source>
        <translation>Rufton</translation>
    </message>
    <message>
        <source>The message field is blank. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>Das Nachrichtenfeld ist leer. Wenn Sie fortfahren, wird diese Nachricht gelöscht. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Note: Canceling the operation...</source>
        <translation>Hinweis: Der Vorgang wird abgebrochen...</translation>
    </message>
    <message>
        <source>There should be at least one group member assigned!</source>
        <translation>Es muss mindestens ein Gruppenmitglied zugewiesen sein!</translation>
    </message>
    <message>
        <source>Read Private ID from Radio</source>
        <translation>Private ID aus Funkgerät lesen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Fehler: Vorlagendateien nicht gefunden!</translation>
    </message>
    <message>
        <source>Fatal registry error. Please reinstall CPS.</source>
        <translation>Schwerwiegender Registrierungsfehler. Bitte installieren Sie CPS neu.</translation>
    </message>
    <message>
        <source>Failure to read dealer information from the registry!</source>
        <translation>Die Händlerinformationen konnten nicht aus der Registrierung gelesen werden!</translation>
    </message>
    <message>
        <source>Failure to write dealer information to the registry!</source>
        <translation>Die Händlerinformationen konnten nicht in die Registrierung geschrieben werden!</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade
          your CPS software.</source>
        <translation>Fehler: Die Version des Funkgeräts wird nicht unterstützt. Bitte aktualisieren
          Sie Ihre CPS-Software.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that
          does not support the CPS.</source>
        <translation>Fehler: Ihr Funkgerät hat eine ältere Firmware-Version, die
          CPS nicht unterstützt.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset or a radio write
          operation first.</source>
        <translation>Fehler: Bitte führen Sie zuerst ein Zurücksetzen oder Schreiben
          des Funkgeräts aus.</translation>
    </message>
    <message>
        <source>Error: Radio model is unsupported.</source>
        <translation>Fehler: Das Funkgerätmodell wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a
          few seconds.</source>
        <translation>Fehler: Das Funkgerät ist gerade beschäftigt. Bitte versuchen Sie es in
          einigen Sekunden erneut.</translation>
    </message>
    <message>
        <source>Error: Operation timed out.</source>
        <translation>Fehler: Zeitüberschreitung des Vorgangs.</translation>
    </message>
    <message>
        <source>Error: COM port already in use by another application.</source>
        <translation>Fehler: Der COM-Anschluss wird bereits von einer anderen Anwendung verwendet.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio.
          Please check your connection and try again.</source>
        <translation>Fehler: Keine Verbindung zum Funkgerät möglich.
          Bitte prüfen Sie die Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>ZQV CPS - the programming software for ZQV push-to-talk radios</source>
        <translation>ZQV CPS - die Programmiersoftware für ZQV-Push-to-Talk-Funkgeräte</translation>
    </message>
    <message>
        <source>Version %s</source>
        <translation>Version %s</translation>
    </message>
    <message>
        <source>Copyright (C) Corvane. All rights reserved.</source>
        <translation>Copyright (C) Corvane. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>This program is protected by copyright law.</source>
        <translation>Dieses Programm ist urheberrechtlich geschützt.</translation>
    </message>
    <message>
        <source>Unauthorized copying or distribution of this program, or of any part of it, is not permitted.</source>
        <translation>Unerlaubtes Kopieren oder Verbreiten dieses Programms oder von Teilen davon ist nicht gestattet.</translation>
    </message>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Fehler: Die Hilfedatei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Fehler: Das Format der Hilfedatei ist ungültig!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in registry!</source>
        <translation>Fehler: Keine Angaben zur Hilfedatei in der Registrierung gefunden!</translation>
    </message>
    <message>
        <source>Error: Operation Failed.</source>
        <translation>Fehler: Vorgang fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%s).</source>
        <translation>Fehler: Vorgang fehlgeschlagen (%s).</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%d).</source>
        <translation>Fehler: Vorgang fehlgeschlagen (%d).</translation>
    </message>
    <message>
        <source>Invalid Opcode</source>
        <translation>Ungültiger Opcode</translation>
    </message>
    <message>
        <source>Unsupported Command</source>
        <translation>Nicht unterstützter Befehl</translation>
    </message>
    <message>
        <source>Operation Unsupported</source>
        <translation>Vorgang nicht unterstützt</translation>
    </message>
    <message>
        <source>User Canceled</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>Message Compose</source>
        <translation>Nachricht verfassen</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade your CPS software.</source>
        <translation>Fehler: Die Version des Funkgeräts wird nicht unterstützt. Bitte aktualisieren Sie Ihre CPS-Software.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a few seconds.</source>
        <translation>Fehler: Das Funkgerät ist gerade beschäftigt. Bitte versuchen Sie es in einigen Sekunden erneut.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio. Please check your connection and try again.</source>
        <translation>Fehler: Keine Verbindung zum Funkgerät möglich. Bitte prüfen Sie die Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that does not support the CPS.</source>
        <translation>Fehler: Ihr Funkgerät hat eine ältere Firmware-Version, die CPS nicht unterstützt.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset.</source>
        <translation>Fehler: Bitte setzen Sie das Funkgerät zurück.</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Fehler: Die Ansicht der Funkgerätinformationen lädt Daten.</translation>
    </message>
    <message>
        <source>Error: Text messages view loads data.</source>
        <translation>Fehler: Die Ansicht der Textnachrichten lädt Daten.</translation>
    </message>
    <message>
        <source>Rule script error (JavaScript engine)
</source>
        <translation>Fehler im Regelskript (JavaScript-Engine)
</translation>
    </message>
    <message>
        <source>Line: %d
</source>
        <translation>Zeile: %d
</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>Änderungen an %s speichern?</translation>
    </message>
    <message>
        <source>This ID is not valid for this radio model.</source>
        <translation>Diese ID ist für dieses Funkgerätmodell nicht gültig.</translation>
    </message>
    <message>
        <source>Valid IDs for this model: %s to %s.</source>
        <translation>Gültige IDs für dieses Modell: %s bis %s.</translation>
    </message>
    <message>
        <source>The ID is held by &quot;%s&quot;.</source>
        <translation>Die ID gehört zu &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Bank %d</source>
        <translation>Bank %d</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>The private scroll list is empty. Do you want to start it with the contacts of the scroll list?</source>
        <translation>Die private Blätterliste ist leer. Möchten Sie sie mit den Kontakten der Blätterliste füllen?</translation>
    </message>
    <message>
        <source>The value is not valid.</source>
        <translation>Der Wert ist nicht gültig.</translation>
    </message>
    <message>
        <source>Error: The COM port does not exist. Check that the cable is plugged in and that the right port is chosen.</source>
        <translation>Fehler: Der COM-Anschluss existiert nicht. Prüfen Sie, ob das Kabel eingesteckt und der richtige Anschluss gewählt ist.</translation>
    </message>
    <message>
        <source>Error: The connection to the radio was lost during the transfer. Check the cable and try again.</source>
        <translation>Fehler: Die Verbindung zum Funkgerät ist während der Übertragung abgebrochen. Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s firmware version %s belongs to no setting group of this installation. Please upgrade your CPS software.</source>
        <translation>Fehler: Die Firmware-Version %s des Funkgeräts gehört zu keiner Einstellungsgruppe dieser Installation. Bitte aktualisieren Sie Ihre CPS-Software.</translation>
    </message>
    <message>
        <source>%d contact(s) of a type this program does not know were left out of the read.</source>
        <translation>%d Kontakt(e) eines diesem Programm unbekannten Typs wurde(n) beim Lesen ausgelassen.</translation>
    </message>
    <message>
        <source>%d control character(s) in names and texts read from the radio were replaced by blanks.</source>
        <translation>%d Steuerzeichen in vom Funkgerät gelesenen Namen und Texten wurde(n) durch Leerzeichen ersetzt.</translation>
    </message>
    <message>
        <source>The radio was reset after the write stopped part-way and holds an incomplete profile. Write the whole profile into the radio again.</source>
        <translation>Das Funkgerät wurde zurückgesetzt, nachdem das Schreiben mittendrin abbrach, und enthält ein unvollständiges Profil. Schreiben Sie das ganze Profil erneut in das Funkgerät.</translation>
    </message>
    <message>
        <source>The file is too large for a profile: a profile holds at most %d KB.</source>
        <translation>Die Datei ist für ein Profil zu groß: Ein Profil umfasst höchstens %d KB.</translation>
    </message>
    <message>
        <source>The file is not a valid profile: an element has more than %d attributes.</source>
        <translation>Die Datei ist kein gültiges Profil: Ein Element hat mehr als %d Attribute.</translation>
    </message>
    <message>
        <source>%s is not a regular file and cannot be opened as a profile.</source>
        <translation>%s ist keine normale Datei und kann nicht als Profil geöffnet werden.</translation>
    </message>
    <message>
        <source>The profile is incomplete: the setting &quot;%s&quot; is missing.</source>
        <translation>Das Profil ist unvollständig: Die Einstellung &quot;%s&quot; fehlt.</translation>
    </message>
    <message>
        <source>Failed to save %s.
%s</source>
        <translation>%s konnte nicht gespeichert werden.
%s</translation>
    </message>
    <message>
        <source>The radio cannot take the profile exactly as it is. Writing it changes the following:

%s

Do you want to write the radio anyway?</source>
        <translation>Das Funkgerät kann das Profil nicht genau so übernehmen. Beim Schreiben ändert sich Folgendes:

%s

Möchten Sie das Funkgerät trotzdem beschreiben?</translation>
    </message>
    <message>
        <source>%s, %s: the profile has &quot;%s&quot;, the radio would get &quot;%s&quot;</source>
        <translation>%s, %s: Das Profil hat &quot;%s&quot;, das Funkgerät erhielte &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%s: not written to the radio</source>
        <translation>%s: nicht in das Funkgerät geschrieben</translation>
    </message>
    <message>
        <source>%s, %s: &quot;%s&quot; is also the name of %s; contacts are found by name, so only the first is used</source>
        <translation>%s, %s: &quot;%s&quot; ist auch der Name von %s; Kontakte werden über den Namen gefunden, daher wird nur der erste verwendet</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Warnung: %s</translation>
    </message>
    <message>
        <source>%s: not written, its record is too long for the radio</source>
        <translation>%s: nicht geschrieben, sein Datensatz ist für das Funkgerät zu lang</translation>
    </message>
    <message>
        <source>... and %s more</source>
        <translation>... und %s weitere</translation>
    </message>
    <message>
        <source>%s

%s</source>
        <translation>%s

%s</translation>
    </message>
    <message>
        <source>Your settings could not be read and have been reset. The unreadable file was kept as:
%s</source>
        <translation>Die Optionen des Programms konnten nicht gelesen werden und wurden zurückgesetzt. Die unlesbare Datei wurde aufbewahrt als:
%s</translation>
    </message>
    <message>
        <source>Write a link trace</source>
        <translation>Verbindungsprotokoll schreiben</translation>
    </message>
    <message>
        <source>Trace file: %s</source>
        <translation>Protokolldatei: %s</translation>
    </message>
    <message>
        <source>The link trace file %s could not be opened: %s</source>
        <translation>Die Protokolldatei %s konnte nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>ZQV Radio Information</source>
        <translation>ZQV-Funkgerätinformationen</translation>
    </message>
    <message>
        <source>This radio is protected by a codeplug password. Give it with --password.</source>
        <translation>Dieses Funkgerät ist durch ein Codeplug-Kennwort geschützt. Geben Sie es mit --password an.</translation>
    </message>
    <message>
        <source>Setting Group</source>
        <translation>Einstellungsgruppe</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>Suchen &amp;nach:</translation>
    </message>
    <message>
        <source>The Radio-Specific Report describes the radio whose Unit Private ID belongs to a private contact of the profile. This profile has no such contact.</source>
        <translation>Der Funkgerätbericht beschreibt das Funkgerät, dessen private Geräte-ID zu einem Privatkontakt des Profils gehört. Dieses Profil hat keinen solchen Kontakt.</translation>
    </message>
    <message>
        <source>The report could not be saved as %s.</source>
        <translation>Der Bericht konnte nicht als %s gespeichert werden.</translation>
    </message>
    <message>
        <source>Web page (*.htm *.html)</source>
        <translation>Webseite (*.htm *.html)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Seite %s von %s</translation>
    </message>
    <message>
        <source>ZQV CPS</source>
        <translation>ZQV CPS</translation>
    </message>
    <message>
        <source>About %s</source>
        <translation>Über %s</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Aktives Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Aktives Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Aktives Dokument unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Add a tree item
Add</source>
        <translation>Baumeintrag hinzufügen
Hinzufügen</translation>
    </message>
    <message>
        <source>Add a private contact with bar code scanner
Scan</source>
        <translation>Privatkontakt mit Barcode-Scanner hinzufügen
Scannen</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Auswahl kopieren und in die Zwischenablage legen
Kopieren</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Delete a tree item
Delete</source>
        <translation>Baumeintrag löschen
Löschen</translation>
    </message>
    <message>
        <source>Change the name of a tree item</source>
        <translation>Namen eines Baumeintrags ändern</translation>
    </message>
    <message>
        <source>Dealer information setting</source>
        <translation>Händlerinformationen festlegen</translation>
    </message>
    <message>
        <source>Preference setting</source>
        <translation>Optionen festlegen</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste umschalten</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste umschalten</translation>
    </message>
    <message>
        <source>Show or hide the help pane
Toggle help pane</source>
        <translation>Hilfebereich ein- oder ausblenden
Hilfebereich umschalten</translation>
    </message>
    <message>
        <source>Read from the radio
Read</source>
        <translation>Funkgerät lesen
Lesen</translation>
    </message>
    <message>
        <source>Write to the radio
Write</source>
        <translation>Funkgerät beschreiben
Schreiben</translation>
    </message>
    <message>
        <source>Reset the radio
Reset</source>
        <translation>Funkgerät zurücksetzen
Zurücksetzen</translation>
    </message>
    <message>
        <source>Generate a report
Report</source>
        <translation>Bericht erstellen
Bericht</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Fenster nebeneinander anordnen
Nebeneinander</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%s: added</source>
        <translation>%s: hinzugefügt</translation>
    </message>
    <message>
        <source>%s: removed</source>
        <translation>%s: entfernt</translation>
    </message>
    <message>
        <source>%s, %s: %s → %s</source>
        <translation>%s, %s: %s → %s</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; (%s)</source>
        <translation>Privatkontakt &quot;%s&quot; (%s)</translation>
    </message>
    <message>
        <source>Private group &quot;%s&quot; (%s)</source>
        <translation>Private Gruppe &quot;%s&quot; (%s)</translation>
    </message>
    <message>
        <source>Public group &quot;%s&quot; (%s)</source>
        <translation>Öffentliche Gruppe &quot;%s&quot; (%s)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Radio features</source>
        <translation>Funkgerätfunktionen</translation>
    </message>
    <message>
        <source>Text message %s &quot;%s&quot;</source>
        <translation>Textnachricht %s &quot;%s&quot;</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>home group</source>
        <translation>Heimatgruppe</translation>
    </message>
    <message>
        <source>in scroll list</source>
        <translation>in Blätterliste</translation>
    </message>
    <message>
        <source>in scan list</source>
        <translation>in Scanliste</translation>
    </message>
    <message>
        <source>alert tone</source>
        <translation>Rufton</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>show group only</source>
        <translation>nur Gruppe</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <translation>(verborgen)</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows:

%s

Do you want to write the radio?</source>
        <translation>Beim Schreiben dieses Profils ändert sich das Funkgerät wie folgt:

%s

Möchten Sie das Funkgerät beschreiben?</translation>
    </message>
    <message>
        <source>The radio already holds this profile: writing it changes nothing.

Do you want to write the radio anyway?</source>
        <translation>Das Funkgerät enthält dieses Profil bereits: Das Schreiben ändert nichts.

Möchten Sie das Funkgerät trotzdem beschreiben?</translation>
    </message>
    <message>
        <source>The radio&apos;s programming was saved as %s</source>
        <translation>Die Programmierung des Funkgeräts wurde gespeichert als %s</translation>
    </message>
    <message>
        <source>The radio&apos;s programming could not be saved as a backup in %s. Nothing was written.</source>
        <translation>Die Programmierung des Funkgeräts konnte nicht als Sicherung in %s gespeichert werden. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The radio was verified: it holds what was written.</source>
        <translation>Das Funkgerät wurde geprüft: Es enthält, was geschrieben wurde.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde:

%s</translation>
    </message>
    <message>
        <source>The radio could not be read back, so the write was not verified.</source>
        <translation>Das Funkgerät konnte nicht zurückgelesen werden, daher wurde das Schreiben nicht geprüft.</translation>
    </message>
    <message>
        <source>The write did not complete, so the radio may hold part of the new programming.

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>Das Schreiben wurde nicht abgeschlossen, daher enthält das Funkgerät möglicherweise einen Teil der neuen Programmierung.

Möchten Sie die vor dem Schreiben angelegte Sicherung zurück in das Funkgerät schreiben?
%s</translation>
    </message>
    <message>
        <source>Backing up the radio ...</source>
        <translation>Funkgerät wird gesichert ...</translation>
    </message>
    <message>
        <source>Verifying the radio ...</source>
        <translation>Funkgerät wird geprüft ...</translation>
    </message>
    <message>
        <source>No backups have been saved.</source>
        <translation>Es wurden keine Sicherungen gespeichert.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Show the backups of all radios</source>
        <translation>Sicherungen aller Funkgeräte anzeigen</translation>
    </message>
    <message>
        <source>Changes to the Radio</source>
        <translation>Änderungen am Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Back up the radio before writing</source>
        <translation>Funkgerät vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Verify the radio after writing</source>
        <translation>Funkgerät nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Backups kept per radio:</source>
        <translation>Sicherungen je Funkgerät:</translation>
    </message>
    <message>
        <source>Write a backup of a radio back into it
Restore Backup</source>
        <translation>Sicherung eines Funkgeräts zurück in das Gerät schreiben
Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Item
Change
Now in the radio
After the write</source>
        <translation>Eintrag
Änderung
Jetzt im Funkgerät
Nach dem Schreiben</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows. What the radio held before was saved as:
%s</source>
        <translation>Beim Schreiben dieses Profils ändert sich das Funkgerät wie folgt. Der vorherige Inhalt des Funkgeräts wurde gespeichert als:
%s</translation>
    </message>
    <message>
        <source>Choose the backup to write back into the radio. It opens as a profile and is written with the same backup, change report and check as any write.</source>
        <translation>Wählen Sie die Sicherung, die in das Funkgerät zurückgeschrieben werden soll. Sie wird als Profil geöffnet und mit derselben Sicherung, demselben Änderungsbericht und derselben Prüfung geschrieben wie jedes Schreiben.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>It is not a regular file (a folder, a device or a pipe).</source>
        <translation>Es ist keine normale Datei (ein Ordner, ein Gerät oder eine Pipe).</translation>
    </message>
    <message>
        <source>Your settings cannot be read from %s:
%s
Correct or remove this file, then start the program again.</source>
        <translation>Ihre Einstellungen können nicht aus %s gelesen werden:
%s
Korrigieren oder entfernen Sie diese Datei und starten Sie das Programm dann erneut.</translation>
    </message>
    <message>
        <source>Updates the contact with this PID</source>
        <translation>Aktualisiert den Kontakt mit dieser PID</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Same name as an existing contact: skipped</source>
        <translation>Name wie bei einem vorhandenen Kontakt: übersprungen</translation>
    </message>
    <message>
        <source>Same name as an existing contact: replaces it</source>
        <translation>Name wie bei einem vorhandenen Kontakt: ersetzt ihn</translation>
    </message>
    <message>
        <source>Same name as an existing contact: added as &quot;%s&quot;</source>
        <translation>Name wie bei einem vorhandenen Kontakt: hinzugefügt als &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Refused: %s</source>
        <translation>Abgelehnt: %s</translation>
    </message>
    <message>
        <source>The PID %s is already on line %s of the file.</source>
        <translation>Die PID %s steht schon in Zeile %s der Datei.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s contacts.</source>
        <translation>Dieses Funkgerätemodell fasst höchstens %s Kontakte.</translation>
    </message>
    <message>
        <source>This radio model holds no more contacts of this type.</source>
        <translation>Dieses Funkgerätemodell fasst keine weiteren Kontakte dieser Art.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s text messages.</source>
        <translation>Dieses Funkgerätemodell fasst höchstens %s Textnachrichten.</translation>
    </message>
    <message>
        <source>There is no group named &quot;%s&quot; on the contact&apos;s channel.</source>
        <translation>Auf dem Kanal des Kontakts gibt es keine Gruppe namens &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Unknown contact type &quot;%s&quot;.</source>
        <translation>Unbekannte Kontaktart &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>There is no contact named &quot;%s&quot;.</source>
        <translation>Es gibt keinen Kontakt namens &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The value &quot;%s&quot; of %s is not valid.</source>
        <translation>Der Wert &quot;%s&quot; von %s ist ungültig.</translation>
    </message>
    <message>
        <source>The file is not a table of text (CSV); nothing was imported.</source>
        <translation>Die Datei ist keine Texttabelle (CSV); nichts wurde importiert.</translation>
    </message>
    <message>
        <source>The file is not a valid CSV table (a quoted field is not closed); nothing was imported.</source>
        <translation>Die Datei ist keine gültige CSV-Tabelle (ein Feld in Anführungszeichen wird nicht geschlossen); nichts wurde importiert.</translation>
    </message>
    <message>
        <source>The first line of the file names no column &quot;%s&quot;; nothing was imported.</source>
        <translation>Die erste Zeile der Datei nennt keine Spalte &quot;%s&quot;; nichts wurde importiert.</translation>
    </message>
    <message>
        <source>The file is empty; nothing was imported.</source>
        <translation>Die Datei ist leer; nichts wurde importiert.</translation>
    </message>
    <message>
        <source>%s new, %s updated, %s unchanged, %s name clashes, %s refused.</source>
        <translation>%s neu, %s aktualisiert, %s unverändert, %s Namensgleichheiten, %s abgelehnt.</translation>
    </message>
    <message>
        <source>Line %s: %s</source>
        <translation>Zeile %s: %s</translation>
    </message>
    <message>
        <source>Cannot read the file %s.</source>
        <translation>Die Datei %s kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot write the file %s.</source>
        <translation>Die Datei %s kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%s rows written to %s.</source>
        <translation>%s Zeilen in %s geschrieben.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import from %s</source>
        <translation>Import aus %s</translation>
    </message>
    <message>
        <source>When a name is already in the profile:</source>
        <translation>Wenn ein Name schon im Profil steht:</translation>
    </message>
    <message>
        <source>Skip the row</source>
        <translation>Zeile überspringen</translation>
    </message>
    <message>
        <source>Replace the contact of that name</source>
        <translation>Den Kontakt dieses Namens ersetzen</translation>
    </message>
    <message>
        <source>Keep both, the new one with a new name</source>
        <translation>Beide behalten, den neuen mit neuem Namen</translation>
    </message>
    <message>
        <source>Line
Name
PID
What happens</source>
        <translation>Zeile
Name
PID
Was geschieht</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Import Contacts...</source>
        <translation>Kontakte &amp;importieren...</translation>
    </message>
    <message>
        <source>Import &amp;Text Messages...</source>
        <translation>&amp;Textnachrichten importieren...</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts...</source>
        <translation>Kontakte e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export Text Messa&amp;ges...</source>
        <translation>Textnachrichten ex&amp;portieren...</translation>
    </message>
    <message>
        <source>Add or update contacts from a CSV table
Import Contacts</source>
        <translation>Kontakte aus einer CSV-Tabelle hinzufügen oder aktualisieren
Kontakte importieren</translation>
    </message>
    <message>
        <source>Add text messages from a CSV table
Import Text Messages</source>
        <translation>Textnachrichten aus einer CSV-Tabelle hinzufügen
Textnachrichten importieren</translation>
    </message>
    <message>
        <source>Write the contacts to a CSV table
Export Contacts</source>
        <translation>Die Kontakte in eine CSV-Tabelle schreiben
Kontakte exportieren</translation>
    </message>
    <message>
        <source>Write the text messages to a CSV table
Export Text Messages</source>
        <translation>Die Textnachrichten in eine CSV-Tabelle schreiben
Textnachrichten exportieren</translation>
    </message>
    <message>
        <source>Setting taken over: %s</source>
        <translation>Einstellung übernommen: %s</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>Profil &amp;zusammenführen...</translation>
    </message>
    <message>
        <source>Bring contacts, groups, texts or settings of another profile into this one
Merge</source>
        <translation>Kontakte, Gruppen, Texte oder Einstellungen eines anderen Profils in dieses übernehmen
Zusammenführen</translation>
    </message>
    <message>
        <source>Merge %s into this profile</source>
        <translation>%s in dieses Profil übernehmen</translation>
    </message>
    <message>
        <source>Take from the other profile:</source>
        <translation>Aus dem anderen Profil übernehmen:</translation>
    </message>
    <message>
        <source>Private contacts</source>
        <translation>Private Kontakte</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Text messages</source>
        <translation>Textnachrichten</translation>
    </message>
    <message>
        <source>Scroll and scan lists</source>
        <translation>Scroll- und Scanlisten</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Privates</source>
        <translation>Privatkontakte</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Scroll (%d)</source>
        <translation>Blättern (%d)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Scanliste</translation>
    </message>
    <message>
        <source>Channel %d (%d)</source>
        <translation>Kanal %d (%d)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source> (add with scanner)</source>
        <translation> (mit Scanner hinzufügen)</translation>
    </message>
    <message>
        <source> (add without scanner)</source>
        <translation> (ohne Scanner hinzufügen)</translation>
    </message>
    <message>
        <source>Error: Convert cordinate.</source>
        <translation>Fehler: Koordinaten umwandeln.</translation>
    </message>
    <message>
        <source>Profile data Error! The profile will be closed.</source>
        <translation>Fehler in den Profildaten! Das Profil wird geschlossen.</translation>
    </message>
    <message>
        <source>The following field(s) have been incorrectly specified:

%s
By continuing, this contact will be deleted. Do you want to continue?</source>
        <translation>Die folgenden Felder wurden falsch angegeben:

%s
Wenn Sie fortfahren, wird dieser Kontakt gelöscht. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>- (Name)
</source>
        <translation>- (Name)
</translation>
    </message>
    <message>
        <source>- (ID)
</source>
        <translation>- (ID)
</translation>
    </message>
    <message>
        <source>- (Group Members)
</source>
        <translation>- (Gruppenmitglieder)
</translation>
    </message>
    <message>
        <source>Name field can not be empty!</source>
        <translation>Das Feld Name darf nicht leer sein!</translation>
    </message>
    <message>
        <source>ID field can not be empty!</source>
        <translation>Das Feld ID darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Delete Current Contact</source>
        <translation>Aktuellen Kontakt löschen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Hinzufügen &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Entfernen</translation>
    </message>
    <message>
        <source>Add Public Group</source>
        <translation>Öffentliche Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Error: Duplicate public group ID.</source>
        <translation>Fehler: Doppelte ID einer öffentlichen Gruppe.</translation>
    </message>
    <message>
        <source>Error: The bank information is incorrect.</source>
        <translation>Fehler: Die Bankinformationen sind nicht korrekt.</translation>
    </message>
    <message>
        <source>Fatal Error: 102
Null pointer exception!</source>
        <translation>Schwerwiegender Fehler: 102
Nullzeiger-Ausnahme!</translation>
    </message>
    <message>
        <source>Add Private Group</source>
        <translation>Private Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>This contact already belongs to 5 Private Groups. Please remove it from a group first, before adding to another Private Group.</source>
        <translation>Dieser Kontakt gehört bereits 5 privaten Gruppen an. Bitte entfernen Sie ihn zuerst aus einer Gruppe, bevor Sie ihn einer anderen privaten Gruppe hinzufügen.</translation>
    </message>
    <message>
        <source> (%d Group(s) Left)</source>
        <translation> (%d Gruppe(n) übrig)</translation>
    </message>
    <message>
        <source>No available private contacts in the new channel. The channel will be reverted back to the previous value.</source>
        <translation>Im neuen Kanal sind keine Privatkontakte verfügbar. Der Kanal wird auf den vorherigen Wert zurückgesetzt.</translation>
    </message>
    <message>
        <source>Add Privates</source>
        <translation>Privatkontakte hinzufügen</translation>
    </message>
    <message>
        <source>Add Privates with a Scanner</source>
        <translation>Privatkontakte mit Scanner hinzufügen</translation>
    </message>
    <message>
        <source>Ringer %d</source>
        <translation>Rufton %d</translation>
    </message>
    <message>
        <source>Enable Private Scroll List</source>
        <translation>Private Blätterliste aktivieren</translation>
    </message>
    <message>
        <source>Available Contacts</source>
        <translation>Verfügbare Kontakte</translation>
    </message>
    <message>
        <source>Scan List Channel %d</source>
        <translation>Scanliste Kanal %d</translation>
    </message>
    <message>
        <source>Reached maximum number of contacts in this channel.</source>
        <translation>Die höchste Anzahl an Kontakten in diesem Kanal ist erreicht.</translation>
    </message>
    <message>
        <source>Cannot add more than %d amount of contacts to the scan list.</source>
        <translation>Zur Scanliste können nicht mehr als %d Kontakte hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Maximum Contacts:</source>
        <translation>Max. Kontakte:</translation>
    </message>
    <message>
        <source>Maximum Private Groups:</source>
        <translation>Max. private Gruppen:</translation>
    </message>
    <message>
        <source>Maximum Public Groups:</source>
        <translation>Max. öffentliche Gruppen:</translation>
    </message>
    <message>
        <source>Maximum Privates:</source>
        <translation>Max. Privatkontakte:</translation>
    </message>
    <message>
        <source>Current Number of Contacts:</source>
        <translation>Aktuelle Anzahl Kontakte:</translation>
    </message>
    <message>
        <source>Current Number of Private Groups:</source>
        <translation>Aktuelle Anzahl private Gruppen:</translation>
    </message>
    <message>
        <source>Current Number of Public Groups:</source>
        <translation>Aktuelle Anzahl öffentl. Gruppen:</translation>
    </message>
    <message>
        <source>Current Number of Privates:</source>
        <translation>Aktuelle Anzahl Privatkontakte:</translation>
    </message>
    <message>
        <source>VibraCall</source>
        <translation>VibraCall</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Clock/Alarm</source>
        <translation>Uhr/Wecker</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Set Time Using PC Clock</source>
        <translation>Zeit von PC-Uhr übernehmen</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Earpiece</source>
        <translation>Hörer</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Manager Mode on for</source>
        <translation>Managermodus aktiviert für</translation>
    </message>
    <message>
        <source>See All Groups on for</source>
        <translation>Alle Gruppen sehen aktiviert für</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Codeplug-Kennwort (4 Ziffern)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Kennwort bestätigen (4 Ziffern)</translation>
    </message>
    <message>
        <source>Talk Permit Tone Offset</source>
        <translation>Versatz Sprechfreigabeton</translation>
    </message>
    <message>
        <source>Ambient Noise</source>
        <translation>Umgebungsgeräusch</translation>
    </message>
    <message>
        <source>Accessory</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Disable Internal PTT with Accessory</source>
        <translation>Interne PTT bei Zubehör sperren</translation>
    </message>
    <message>
        <source>Disable Programming Mode</source>
        <translation>Programmiermodus sperren</translation>
    </message>
    <message>
        <source>Disable TX Timeout Timer</source>
        <translation>Sendezeitbegrenzung sperren</translation>
    </message>
    <message>
        <source>Tx Timeout Timer</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>Disable Private Reply</source>
        <translation>Private Antwort sperren</translation>
    </message>
    <message>
        <source>Note: Contacts added to the Manager Mode list are automatically added to the See All Groups list.</source>
        <translation>Hinweis: Kontakte in der Liste Managermodus werden automatisch zur Liste Alle Gruppen sehen hinzugefügt.</translation>
    </message>
    <message>
        <source>12hr</source>
        <translation>12 Std.</translation>
    </message>
    <message>
        <source>24hr</source>
        <translation>24 Std.</translation>
    </message>
    <message>
        <source>MM/DD</source>
        <translation>MM/TT</translation>
    </message>
    <message>
        <source>DD/MM</source>
        <translation>TT/MM</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Maximum Text Messages:</source>
        <translation>Max. Textnachrichten:</translation>
    </message>
    <message>
        <source>Current Number of Text Messages:</source>
        <translation>Aktuelle Anzahl Textnachrichten:</translation>
    </message>
    <message>
        <source>Add Text Message</source>
        <translation>Textnachricht hinzufügen</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Textnachricht</translation>
    </message>
    <message>
        <source>Delete Current Message</source>
        <translation>Aktuelle Nachricht löschen</translation>
    </message>
    <message>
        <source>Add New Message</source>
        <translation>Neue Nachricht hinzufügen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>This is a backup of the radio %s, not of the connected radio %s.</source>
        <translation>Dies ist eine Sicherung des Funkgeräts %s, nicht des angeschlossenen Funkgeräts %s.</translation>
    </message>
    <message>
        <source>Do you want to write the backup of the radio %s into the radio %s?</source>
        <translation>Möchten Sie die Sicherung des Funkgeräts %s in das Funkgerät %s schreiben?</translation>
    </message>
    <message>
        <source>Writing it changes the radio as follows:

%s</source>
        <translation>Das Schreiben ändert das Funkgerät wie folgt:

%s</translation>
    </message>
    <message>
        <source>Writing it changes nothing in the radio.</source>
        <translation>Das Schreiben ändert nichts am Funkgerät.</translation>
    </message>
    <message>
        <source>Radio
Name
Model
Date
Time
Backup</source>
        <translation>Funkgerät
Name
Modell
Datum
Uhrzeit
Sicherung</translation>
    </message>
    <message>
        <source>Backup %s %s</source>
        <translation>Sicherung %s %s</translation>
    </message>
    <message>
        <source>The radio holds what it held when the backup %s was taken: that backup stays its backup.</source>
        <translation>Das Funkgerät enthält dasselbe wie beim Anlegen der Sicherung %s: Diese Sicherung bleibt seine Sicherung.</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Rufumleitung</translation>
    </message>
    <message>
        <source>Call Forward ID</source>
        <translation>ID der Rufumleitung</translation>
    </message>
    <message>
        <source>Radio Disabled</source>
        <translation>Funkgerät gesperrt</translation>
    </message>
    <message>
        <source>%s: %s is also the PID of %s; the radio tells contacts of one type apart by their PID</source>
        <translation>%s: %s ist auch die PID von %s; das Funkgerät unterscheidet Kontakte einer Art an ihrer PID</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s replies arrive garbled, even after repeated attempts. Check the programming cable: a damaged or too long cable, a loose plug or electrical noise nearby can cause this.</source>
        <translation>Fehler: Die Antworten des Funkgeräts kommen auch nach mehreren Versuchen verfälscht an. Prüfen Sie das Programmierkabel: Ein beschädigtes oder zu langes Kabel, ein lockerer Stecker oder elektrische Störungen in der Nähe können die Ursache sein.</translation>
    </message>
    <message>
        <source>Error: The chosen port is not a serial port (its path is not a terminal device). Choose the programming cable&apos;s port.</source>
        <translation>Fehler: Der gewählte Anschluss ist keine serielle Schnittstelle (sein Pfad ist kein Terminalgerät). Wählen Sie den Anschluss des Programmierkabels.</translation>
    </message>
    <message>
        <source>A different radio is connected: the profile was written into the radio %s (firmware %s), but the radio that answered the check is %s (firmware %s). The write was not checked.</source>
        <translation>Ein anderes Funkgerät ist angeschlossen: Das Profil wurde in das Funkgerät %s (Firmware %s) geschrieben, aber bei der Prüfung hat das Funkgerät %s (Firmware %s) geantwortet. Das Schreiben wurde nicht geprüft.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Yes: write the profile again.
No: write the backup taken before the write back into the radio:
%s
Cancel: leave the radio as it is.</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde:

%s

Ja: das Profil erneut schreiben.
Nein: die vor dem Schreiben angelegte Sicherung zurück in das Funkgerät schreiben:
%s
Abbrechen: das Funkgerät so lassen, wie es ist.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Do you want to write the profile again?</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde:

%s

Möchten Sie das Profil erneut schreiben?</translation>
    </message>
    <message>
        <source>The radio still does not hold what was written:

%s

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>Das Funkgerät enthält noch immer nicht, was geschrieben wurde:

%s

Möchten Sie die vor dem Schreiben angelegte Sicherung zurück in das Funkgerät schreiben?
%s</translation>
    </message>
    <message>
        <source>The backup could not be written back, so the radio holds part of a profile. Restore it later, once the radio answers again, with Device &gt; Restore Backup... or zqvcps-cli restore, from:
%s</source>
        <translation>Die Sicherung konnte nicht zurückgeschrieben werden, daher enthält das Funkgerät nur einen Teil eines Profils. Stellen Sie es später, sobald das Funkgerät wieder antwortet, mit Gerät &gt; Sicherung wiederherstellen... oder zqvcps-cli restore wieder her, aus:
%s</translation>
    </message>
    <message>
        <source>Private ID: %s</source>
        <translation>Private ID: %s</translation>
    </message>
    <message>
        <source>The radio was reset.</source>
        <translation>Das Funkgerät wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o	Ctrl+Y</source>
        <translation>&amp;Wiederholen	Ctrl+Y</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Gespeicherte Version &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Take back the last change to the profile
Undo</source>
        <translation>Die letzte Änderung am Profil zurücknehmen
Rückgängig</translation>
    </message>
    <message>
        <source>Make the change taken back last again
Redo</source>
        <translation>Die zuletzt zurückgenommene Änderung erneut ausführen
Wiederholen</translation>
    </message>
    <message>
        <source>Go back to the profile as it was last saved
Revert</source>
        <translation>Zum zuletzt gespeicherten Stand des Profils zurückkehren
Wiederherstellen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %s	Ctrl+Z</source>
        <translation>&amp;Rückgängig: %s	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o %s	Ctrl+Y</source>
        <translation>&amp;Wiederholen: %s	Ctrl+Y</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Change &apos;%s&apos;</source>
        <translation>&apos;%s&apos; ändern</translation>
    </message>
    <message>
        <source>Add &apos;%s&apos;</source>
        <translation>&apos;%s&apos; hinzufügen</translation>
    </message>
    <message>
        <source>Delete &apos;%s&apos;</source>
        <translation>&apos;%s&apos; löschen</translation>
    </message>
    <message>
        <source>All Contacts</source>
        <translation>Alle Kontakte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Private Group</source>
        <translation>Private Gruppe</translation>
    </message>
    <message>
        <source>Public Group</source>
        <translation>Öffentliche Gruppe</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>Fi&amp;lter:</translation>
    </message>
    <message>
        <source>Name or ID</source>
        <translation>Name oder ID</translation>
    </message>
    <message>
        <source>&amp;Change selected:</source>
        <translation>Auswahl ä&amp;ndern:</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add to Private Group</source>
        <translation>Zur privaten Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Private Group</source>
        <translation>Aus privater Gruppe entfernen</translation>
    </message>
    <message>
        <source>Delete %d contacts?
Private contacts leave their private groups, and groups left without members are deleted.</source>
        <translation>%d Kontakte löschen?
Private Kontakte verlassen ihre privaten Gruppen, und Gruppen ohne Mitglieder werden gelöscht.</translation>
    </message>
    <message>
        <source>%d of %d contacts were left unchanged:</source>
        <translation>%d von %d Kontakten wurden nicht geändert:</translation>
    </message>
    <message>
        <source>This does not apply to this kind of contact.</source>
        <translation>Dies gilt nicht für diese Art von Kontakt.</translation>
    </message>
    <message>
        <source>Left unchanged: the question was declined.</source>
        <translation>Nicht geändert: Die Frage wurde verneint.</translation>
    </message>
    <message>
        <source>This concerns %d of the selected contacts:

%s</source>
        <translation>Dies betrifft %d der ausgewählten Kontakte:

%s</translation>
    </message>
    <message>
        <source>Set channel %d on %d contacts</source>
        <translation>Kanal %d für %d Kontakte setzen</translation>
    </message>
    <message>
        <source>Set ringer %d on %d contacts</source>
        <translation>Rufton %d für %d Kontakte setzen</translation>
    </message>
    <message>
        <source>Set %s to &apos;%s&apos; on %d contacts</source>
        <translation>%s auf &apos;%s&apos; für %d Kontakte setzen</translation>
    </message>
    <message>
        <source>Add %d contacts to &apos;%s&apos;</source>
        <translation>%d Kontakte zu &apos;%s&apos; hinzufügen</translation>
    </message>
    <message>
        <source>Remove %d contacts from &apos;%s&apos;</source>
        <translation>%d Kontakte aus &apos;%s&apos; entfernen</translation>
    </message>
    <message>
        <source>Delete %d contacts</source>
        <translation>%d Kontakte löschen</translation>
    </message>
    <message>
        <source>Rename &apos;%s&apos; to &apos;%s&apos;</source>
        <translation>&apos;%s&apos; in &apos;%s&apos; umbenennen</translation>
    </message>
    <message>
        <source>Add %s to &apos;%s&apos;</source>
        <translation>%s zu &apos;%s&apos; hinzufügen</translation>
    </message>
    <message>
        <source>Remove %s from &apos;%s&apos;</source>
        <translation>%s aus &apos;%s&apos; entfernen</translation>
    </message>
    <message>
        <source>%d contacts</source>
        <translation>%d Kontakte</translation>
    </message>
    <message>
        <source>Import &apos;%s&apos;</source>
        <translation>&apos;%s&apos; importieren</translation>
    </message>
    <message>
        <source>Merge &apos;%s&apos;</source>
        <translation>&apos;%s&apos; zusammenführen</translation>
    </message>
    <message>
        <source>The changes to %s since it was last saved can no longer be undone one by one. Discard them all and read the profile again from its file?</source>
        <translation>Die Änderungen an %s seit dem letzten Speichern lassen sich nicht mehr einzeln rückgängig machen. Alle verwerfen und das Profil erneut aus seiner Datei lesen?</translation>
    </message>
    <message>
        <source>Change %s of &apos;%s&apos;</source>
        <translation>%s von &apos;%s&apos; ändern</translation>
    </message>
    <message>
        <source>Add %s</source>
        <translation>%s hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Contacts Table</source>
        <translation>Kontakt&amp;tabelle</translation>
    </message>
    <message>
        <source>Show every contact of the profile in one table
Contacts Table</source>
        <translation>Alle Kontakte des Profils in einer Tabelle anzeigen
Kontakttabelle</translation>
    </message>
    <message>
        <source>Written and checked</source>
        <translation>Geschrieben und geprüft</translation>
    </message>
    <message>
        <source>Written, not checked</source>
        <translation>Geschrieben, nicht geprüft</translation>
    </message>
    <message>
        <source>Check found differences</source>
        <translation>Prüfung fand Unterschiede</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Arbeitsbericht</translation>
    </message>
    <message>
        <source>Customer: %s</source>
        <translation>Kunde: %s</translation>
    </message>
    <message>
        <source>Printed: %s</source>
        <translation>Gedruckt: %s</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Was sich geändert hat</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nichts geändert</translation>
    </message>
    <message>
        <source>Not recorded (no backup was taken)</source>
        <translation>Nicht erfasst (keine Sicherung angelegt)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>List the writes into radios and print a job sheet
Write History</source>
        <translation>Schreibvorgänge in Funkgeräte auflisten und einen Arbeitsbericht drucken
Schreibverlauf</translation>
    </message>
    <message>
        <source>Com&amp;pare with Radio...</source>
        <translation>Mit Funkgerät ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>Show what writing the active profile would change in the radio
Compare with Radio</source>
        <translation>Zeigen, was das Schreiben des aktiven Profils im Funkgerät ändern würde
Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Write History</source>
        <translation>Schreibverlauf</translation>
    </message>
    <message>
        <source>&amp;Radio (ID or name):</source>
        <translation>&amp;Funkgerät (ID oder Name):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>R&amp;esult:</source>
        <translation>&amp;Ergebnis:</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Alle Ergebnisse</translation>
    </message>
    <message>
        <source>Unit ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>&amp;Print Job Sheet...</source>
        <translation>Arbeitsbericht &amp;drucken...</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Kunde:</translation>
    </message>
    <message>
        <source>The write history %s cannot be opened:
%s</source>
        <translation>Der Schreibverlauf %s kann nicht geöffnet werden:
%s</translation>
    </message>
    <message>
        <source>%s writes shown</source>
        <translation>%s Schreibvorgänge angezeigt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The job sheet could not be saved as %s:
%s</source>
        <translation>Der Arbeitsbericht konnte nicht als %s gespeichert werden:
%s</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>Im Funkgerät</translation>
    </message>
    <message>
        <source>In the profile</source>
        <translation>Im Profil</translation>
    </message>
    <message>
        <source>The radio %s already holds this profile: writing it would change nothing.</source>
        <translation>Das Funkgerät %s enthält dieses Profil bereits: Schreiben würde nichts ändern.</translation>
    </message>
    <message>
        <source>Writing %s into the radio %s would change %s items:</source>
        <translation>Das Schreiben von %s in das Funkgerät %s würde %s Einträge ändern:</translation>
    </message>
    <message>
        <source>(not there)</source>
        <translation>(nicht vorhanden)</translation>
    </message>
    <message>
        <source>(there)</source>
        <translation>(vorhanden)</translation>
    </message>
    <message>
        <source>The port exists</source>
        <translation>Der Anschluss ist vorhanden</translation>
    </message>
    <message>
        <source>This user may open the port</source>
        <translation>Dieser Benutzer darf den Anschluss öffnen</translation>
    </message>
    <message>
        <source>No other program holds the port</source>
        <translation>Kein anderes Programm belegt den Anschluss</translation>
    </message>
    <message>
        <source>The radio answers</source>
        <translation>Das Funkgerät antwortet</translation>
    </message>
    <message>
        <source>The replies are well-formed</source>
        <translation>Die Antworten sind fehlerfrei</translation>
    </message>
    <message>
        <source>The model and setting group are supported</source>
        <translation>Modell und Einstellungsgruppe werden unterstützt</translation>
    </message>
    <message>
        <source>[passed] %s</source>
        <translation>[bestanden] %s</translation>
    </message>
    <message>
        <source>[FAILED] %s</source>
        <translation>[FEHLGESCHLAGEN] %s</translation>
    </message>
    <message>
        <source>No port is chosen and no serial port is present. Plug in the programming cable, then choose its port with Device &gt; Find Cable.</source>
        <translation>Kein Anschluss ist gewählt und kein serieller Anschluss ist vorhanden. Schließen Sie das Programmierkabel an und wählen Sie seinen Anschluss mit Gerät &gt; Kabel finden.</translation>
    </message>
    <message>
        <source>The port %s does not exist. Plug in the programming cable, or choose the port it uses with Device &gt; Find Cable.</source>
        <translation>Der Anschluss %s ist nicht vorhanden. Schließen Sie das Programmierkabel an oder wählen Sie mit Gerät &gt; Kabel finden den Anschluss, den es benutzt.</translation>
    </message>
    <message>
        <source>You may not open %s: the port belongs to the group "%s".</source>
        <translation>Sie dürfen %s nicht öffnen: Der Anschluss gehört der Gruppe "%s".</translation>
    </message>
    <message>
        <source>You are not a member of that group. Add yourself with this command, then log out and log in again:
%s</source>
        <translation>Sie sind nicht Mitglied dieser Gruppe. Nehmen Sie sich mit diesem Befehl auf, melden Sie sich dann ab und wieder an:
%s</translation>
    </message>
    <message>
        <source>You are a member of that group, but this session started before you were added: log out and log in again.</source>
        <translation>Sie sind Mitglied dieser Gruppe, aber diese Sitzung begann, bevor Sie aufgenommen wurden: Melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is installed (%s): unplug the programming cable and plug it in again so that the rule applies to it.</source>
        <translation>Die Zugriffsregel des Programmierkabels ist installiert (%s): Ziehen Sie das Programmierkabel ab und stecken Sie es wieder ein, damit die Regel greift.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is not installed; installing the program's package installs it.</source>
        <translation>Die Zugriffsregel des Programmierkabels ist nicht installiert; das Paket des Programms installiert sie.</translation>
    </message>
    <message>
        <source>Another program holds %s open: %s. Close that program, then try again.</source>
        <translation>Ein anderes Programm hält %s offen: %s. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another program holds %s, and the system does not say which. Close the programs that use serial ports, then try again.</source>
        <translation>Ein anderes Programm belegt %s, und das System sagt nicht, welches. Schließen Sie die Programme, die serielle Anschlüsse benutzen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%s (process ID %s)</source>
        <translation>%s (Prozess-ID %s)</translation>
    </message>
    <message>
        <source>The radio does not answer on %s. Check that the radio is switched on, that the cable is pushed fully into the radio's programming socket, and that it is the programming cable for this radio.</source>
        <translation>Das Funkgerät antwortet nicht an %s. Prüfen Sie, ob das Funkgerät eingeschaltet ist, ob das Kabel ganz in der Programmierbuchse des Funkgeräts steckt und ob es das Programmierkabel für dieses Funkgerät ist.</translation>
    </message>
    <message>
        <source>The radio answers on %s, but its replies arrive garbled. The cable is damaged or too long, or a plug is loose: try another programming cable, without an extension lead.</source>
        <translation>Das Funkgerät antwortet an %s, aber seine Antworten kommen verstümmelt an. Das Kabel ist beschädigt oder zu lang, oder ein Stecker sitzt locker: Versuchen Sie ein anderes Programmierkabel ohne Verlängerung.</translation>
    </message>
    <message>
        <source>The radio has firmware %s, which this version of the program does not support. Ask your supplier for a version that supports it.</source>
        <translation>Das Funkgerät hat die Firmware %s, die diese Version des Programms nicht unterstützt. Fragen Sie Ihren Lieferanten nach einer Version, die sie unterstützt.</translation>
    </message>
    <message>
        <source>The radio (model %s) is not one this program programs. Check that it belongs to this family of radios.</source>
        <translation>Das Funkgerät (Modell %s) gehört nicht zu denen, die dieses Programm programmiert. Prüfen Sie, ob es zu dieser Funkgerätefamilie gehört.</translation>
    </message>
    <message>
        <source>Every check passed: the radio on %s answers (model %s, firmware %s, setting group %s).</source>
        <translation>Alle Prüfungen bestanden: Das Funkgerät an %s antwortet (Modell %s, Firmware %s, Einstellungsgruppe %s).</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>Verbindung &amp;testen...</translation>
    </message>
    <message>
        <source>To find out why, run: zqvcps-cli doctor --port %s</source>
        <translation>Um die Ursache zu finden, führen Sie aus: zqvcps-cli doctor --port %s</translation>
    </message>
    <message>
        <source>Unplug the programming cable, then plug it in again. The port that goes and comes back is the cable's.</source>
        <translation>Ziehen Sie das Programmierkabel ab und stecken Sie es wieder ein. Der Anschluss, der verschwindet und wiederkommt, ist der des Kabels.</translation>
    </message>
    <message>
        <source>Port|USB product|Vendor:product|Serial number|Programming cable|Held open by</source>
        <translation>Anschluss|USB-Produkt|Hersteller:Produkt|Seriennummer|Programmierkabel|Geöffnet von</translation>
    </message>
    <message>
        <source>%s went away.</source>
        <translation>%s ist verschwunden.</translation>
    </message>
    <message>
        <source>%s came back: it is the cable's port.</source>
        <translation>%s ist wieder da: Das ist der Anschluss des Kabels.</translation>
    </message>
    <message>
        <source>&amp;Use This Port</source>
        <translation>Diesen Anschluss &amp;verwenden</translation>
    </message>
    <message>
        <source>From now on the program uses the port %s.</source>
        <translation>Ab jetzt verwendet das Programm den Anschluss %s.</translation>
    </message>
    <message>
        <source>The support bundle is one zip file with:
- the link traces of the last transfers;
- the program's version;
- the system: distribution, Qt and libxml2 versions;
- the configuration, without the dealer texts and the recent files;
- the last result of Test Connection;
- the open profile's model, firmware and counts.</source>
        <translation>Das Support-Paket ist eine ZIP-Datei mit:
- den Verbindungsaufzeichnungen der letzten Übertragungen;
- der Version des Programms;
- dem System: Distribution, Qt- und libxml2-Version;
- der Konfiguration, ohne die Händlertexte und die zuletzt geöffneten Dateien;
- dem letzten Ergebnis von Verbindung testen;
- Modell, Firmware und Anzahlen des geöffneten Profils.</translation>
    </message>
    <message>
        <source>Names, IDs and the codeplug password are left out: each frame of a trace keeps only its first four bytes.</source>
        <translation>Namen, IDs und das Codeplug-Passwort bleiben draußen: Jeder Rahmen einer Aufzeichnung behält nur seine ersten vier Bytes.</translation>
    </message>
    <message>
        <source>&amp;Include names and IDs: the profile's contacts and the traces' whole frames (which also carry the codeplug password)</source>
        <translation>Namen und IDs &amp;einschließen: die Kontakte des Profils und die ganzen Rahmen der Aufzeichnungen (die auch das Codeplug-Passwort enthalten)</translation>
    </message>
    <message>
        <source>The support bundle was saved as %s.</source>
        <translation>Das Support-Paket wurde als %s gespeichert.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved as %s: %s</source>
        <translation>Das Support-Paket konnte nicht als %s gespeichert werden: %s</translation>
    </message>
    <message>
        <source>the zip file could not be made</source>
        <translation>die ZIP-Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>No link trace has been kept yet. Each transfer keeps one while "Keep a trace of each transfer" is ticked in Preference.</source>
        <translation>Es wurde noch keine Verbindungsaufzeichnung aufbewahrt. Jede Übertragung bewahrt eine auf, solange "Von jeder Übertragung eine Aufzeichnung aufbewahren" in Einstellungen angekreuzt ist.</translation>
    </message>
    <message>
        <source>&amp;Keep a trace of each transfer (the last 10, in the cache folder)</source>
        <translation>Von jeder Übertragung eine Aufzeichnung auf&amp;bewahren (die letzten 10, im Cache-Ordner)</translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation>&amp;Kabel finden...</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>Verbindung &amp;testen...</translation>
    </message>
    <message>
        <source>Open Last Link &amp;Trace</source>
        <translation>Letzte &amp;Verbindungsaufzeichnung öffnen</translation>
    </message>
    <message>
        <source>Save Support B&amp;undle...</source>
        <translation>Support-&amp;Paket speichern...</translation>
    </message>
    <message>
        <source>List the serial ports and find the programming cable's port
Find Cable</source>
        <translation>Die seriellen Anschlüsse auflisten und den Anschluss des Programmierkabels finden
Kabel finden</translation>
    </message>
    <message>
        <source>Check the cable, the port and the radio one step after the other
Test Connection</source>
        <translation>Kabel, Anschluss und Funkgerät Schritt für Schritt prüfen
Verbindung testen</translation>
    </message>
    <message>
        <source>Show the frames of the last transfer
Last Link Trace</source>
        <translation>Die Rahmen der letzten Übertragung zeigen
Letzte Verbindungsaufzeichnung</translation>
    </message>
    <message>
        <source>Save one zip file to send in when a radio will not talk to the program
Save Support Bundle</source>
        <translation>Eine ZIP-Datei speichern, die Sie einsenden, wenn ein Funkgerät nicht mit dem Programm spricht
Support-Paket speichern</translation>
    </message>
    <message>
        <source>Use %s for the radio from now on?</source>
        <translation>Ab jetzt %s für das Funkgerät verwenden?</translation>
    </message>
    <message>
        <source>%s; left out: %s</source>
        <translation>%s; weggelassen: %s</translation>
    </message>
    <message>
        <source>This radio model has no &quot;%s&quot;.</source>
        <translation>Dieses Funkgerätemodell hat kein „%s“.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>%s

This profile could not take everything that was pasted:
%s</source>
        <translation>%s

Dieses Profil konnte nicht alles Eingefügte aufnehmen:
%s</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>... and %s more.</source>
        <translation>... und %s weitere.</translation>
    </message>
    <message>
        <source>Private group &quot;%s&quot; has no members</source>
        <translation>Die private Gruppe &quot;%s&quot; hat keine Mitglieder</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is in no private group</source>
        <translation>Der private Kontakt &quot;%s&quot; gehört zu keiner privaten Gruppe</translation>
    </message>
    <message>
        <source>The scan list of channel %s holds %s public groups, the most it can hold is %s</source>
        <translation>Die Scanliste von Kanal %s enthält %s öffentliche Gruppen, mehr als %s kann sie nicht aufnehmen</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is on channel %s, but its home group &quot;%s&quot; is on channel %s</source>
        <translation>Der private Kontakt &quot;%s&quot; ist auf Kanal %s, seine Heimatgruppe &quot;%s&quot; aber auf Kanal %s</translation>
    </message>
    <message>
        <source>&quot;%s&quot; has the same name as &quot;%s&quot; but for case or accents, so lists cannot tell them apart</source>
        <translation>&quot;%s&quot; hat bis auf Groß- und Kleinschreibung oder Akzente denselben Namen wie &quot;%s&quot;, daher können Listen sie nicht unterscheiden</translation>
    </message>
    <message>
        <source>This profile has problems you should look at (the Problems panel lists them):

%s

Do you want to write the radio anyway?</source>
        <translation>Dieses Profil hat Probleme, die Sie prüfen sollten (der Bereich Probleme listet sie auf):

%s

Möchten Sie das Funkgerät trotzdem beschreiben?</translation>
    </message>
    <message>
        <source>Problems (%s)</source>
        <translation>Probleme (%s)</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <source>Show or hide the problems of the profile below the form
Problems</source>
        <translation>Zeigt oder verbirgt die Probleme des Profils unter dem Formular
Probleme</translation>
    </message>
    <message>
        <source>&amp;Filter Tree	Ctrl+F</source>
        <translation>Baum &amp;filtern	Ctrl+F</translation>
    </message>
    <message>
        <source>Show only the tree nodes whose name or PID holds a text
Filter Tree</source>
        <translation>Zeigt nur die Knoten des Baums, deren Name oder PID einen Text enthält
Baum filtern</translation>
    </message>
    <message>
        <source>Filter by name or PID</source>
        <translation>Nach Name oder PID filtern</translation>
    </message>
    <message>
        <source>Note: %s</source>
        <translation>Hinweis: %s</translation>
    </message>
    <message>
        <source>Profile tree</source>
        <translation>Profilbaum</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Weicht ab</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Not written: the radio's own ID %s is in no private contact of the profile.</source>
        <translation>Nicht geschrieben: Die eigene ID %s des Funkgeräts steht in keinem privaten Kontakt des Profils.</translation>
    </message>
    <message>
        <source>Not written: the run was not confirmed.</source>
        <translation>Nicht geschrieben: Der Durchlauf wurde nicht bestätigt.</translation>
    </message>
    <message>
        <source>Stopped before it ended.</source>
        <translation>Vor dem Ende angehalten.</translation>
    </message>
    <message>
        <source>The radio has setting group %s, older than the profile's (%s): what it lacks is left out.</source>
        <translation>Das Funkgerät hat die Einstellungsgruppe %s, älter als die des Profils (%s): Was ihm fehlt, wird ausgelassen.</translation>
    </message>
    <message>
        <source>Holds what the profile gives it.</source>
        <translation>Enthält, was das Profil vorgibt.</translation>
    </message>
    <message>
        <source>%s differences</source>
        <translation>%s Unterschiede</translation>
    </message>
    <message>
        <source>Saved as %s</source>
        <translation>Gespeichert als %s</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Dauer (s)</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The backup was written back into the radio.</source>
        <translation>Die Sicherung wurde in das Funkgerät zurückgeschrieben.</translation>
    </message>
    <message>
        <source>Write the profile into these %s radios?</source>
        <translation>Das Profil in diese %s Funkgeräte schreiben?</translation>
    </message>
    <message>
        <source>No radio to work on: no programming cable is connected.</source>
        <translation>Kein Funkgerät zu bearbeiten: Es ist kein Programmierkabel angeschlossen.</translation>
    </message>
    <message>
        <source>Context &amp;Help	F1</source>
        <translation>&amp;Kontexthilfe	F1</translation>
    </message>
    <message>
        <source>Open the help at the topic of the field or list that has the focus
Context Help</source>
        <translation>Öffnet die Hilfe beim Thema des Felds oder der Liste mit dem Fokus
Kontexthilfe</translation>
    </message>
    <message>
        <source>%s s left</source>
        <translation>Noch %s s</translation>
    </message>
    <message>
        <source>%s min %s s left</source>
        <translation>Noch %s min %s s</translation>
    </message>
    <message>
        <source>Writing %s changes these radios. Each radio is backed up before the write and checked after it.</source>
        <translation>Das Schreiben von %s ändert diese Funkgeräte. Jedes Funkgerät wird vor dem Schreiben gesichert und danach geprüft.</translation>
    </message>
    <message>
        <source>%s changes</source>
        <translation>%s Änderungen</translation>
    </message>
    <message>
        <source>Nothing changes</source>
        <translation>Keine Änderung</translation>
    </message>
    <message>
        <source>Waiting for the confirmation</source>
        <translation>Wartet auf die Bestätigung</translation>
    </message>
    <message>
        <source>Add %s radios as contacts</source>
        <translation>%s Funkgeräte als Kontakte hinzufügen</translation>
    </message>
    <message>
        <source>The radio on %s (unit ID %s) asks for its codeplug password. The radios that follow are tried with the same password first.</source>
        <translation>Das Funkgerät an %s (Geräte-ID %s) verlangt sein Codeplug-Passwort. Die folgenden Funkgeräte werden zuerst mit demselben Passwort versucht.</translation>
    </message>
    <message>
        <source>The run table could not be saved as %s:
%s</source>
        <translation>Die Lauftabelle konnte nicht als %s gespeichert werden:
%s</translation>
    </message>
    <message>
        <source>%s radios</source>
        <translation>%s Funkgeräte</translation>
    </message>
    <message>
        <source>Fleet Run</source>
        <translation>Flottenlauf</translation>
    </message>
    <message>
        <source>No programming cable found. Plug in the cables: each one shows here as a row.</source>
        <translation>Kein Programmierkabel gefunden. Stecken Sie die Kabel an: Jedes erscheint hier als eigene Zeile.</translation>
    </message>
    <message>
        <source>Open a profile to check or write radios.</source>
        <translation>Öffnen Sie ein Profil, um Funkgeräte zu prüfen oder zu beschreiben.</translation>
    </message>
    <message>
        <source>&amp;Fleet...</source>
        <translation>&amp;Flotte...</translation>
    </message>
    <message>
        <source>Read, check or write many radios at once, one per cable
Fleet</source>
        <translation>Viele Funkgeräte auf einmal lesen, prüfen oder beschreiben, eines je Kabel
Flotte</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flotte</translation>
    </message>
    <message>
        <source>Port|Unit ID|Name|Firmware|Group|Progress|Time left|Status</source>
        <translation>Anschluss|Geräte-ID|Name|Firmware|Gruppe|Fortschritt|Restzeit|Status</translation>
    </message>
    <message>
        <source>&amp;Read All</source>
        <translation>Alle &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Alle &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>Alle &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Read Selected</source>
        <translation>Auswahl &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Check Selected</source>
        <translation>Auswahl &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Write Selected</source>
        <translation>Auswahl &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Add to Profile</source>
        <translation>Zum Profil &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Read &amp;into:</source>
        <translation>Lesen &amp;nach:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV...</source>
        <translation>Als CSV spei&amp;chern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>D&amp;rucken...</translation>
    </message>
    <message>
        <source>Last run:</source>
        <translation>Letzter Lauf:</translation>
    </message>
    <message>
        <source>Choose the folder the radios are read into</source>
        <translation>Ordner wählen, in den die Funkgeräte gelesen werden</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>&amp;Darstellung:</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
</context>
</TS>
