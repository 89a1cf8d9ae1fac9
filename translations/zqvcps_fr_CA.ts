<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>OLE initialization failed. Make sure that the OLE libraries are the correct version.</source>
        <translation>L&apos;initialisation OLE a échoué. Assurez-vous que les bibliothèques OLE sont de la bonne version.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Erreur fatale&#xa0;: 101.</translation>
    </message>
    <message>
        <source>Fatal error.
Please uninstall and re-install ZQV CPS.</source>
        <translation>Erreur fatale.
Veuillez désinstaller et réinstaller ZQV CPS.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Échec du chargement du profil.</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>L&apos;initialisation des sockets Windows a échoué.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Profil non valide.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Programing error: 107.</source>
        <translation>Erreur de programmation&#xa0;: 107.</translation>
    </message>
    <message>
        <source>Programing error: 108.</source>
        <translation>Erreur de programmation&#xa0;: 108.</translation>
    </message>
    <message>
        <source>Scroll List</source>
        <translation>Liste de défilement</translation>
    </message>
    <message>
        <source>Channel %d</source>
        <translation>Canal %d</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>Mode balayage</translation>
    </message>
    <message>
        <source>A similar name already exists in the contact list. Please specify a different name.</source>
        <translation>Un nom semblable existe déjà dans la liste des contacts. Veuillez indiquer un autre nom.</translation>
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
Fichiers ZQV CPS (*.zqv)
.zqv
ZQVCPS.Profile
ZQVCPS.Profile</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Messages texte</translation>
    </message>
    <message>
        <source>A similar PID already exists in the contact list. Please specify a different PID.</source>
        <translation>Ce PID existe déjà dans la liste des contacts. Veuillez indiquer un autre PID.</translation>
    </message>
    <message>
        <source>Changing the channel will remove this public group from channel %d&apos;s scan list and add it to channel %d&apos;s scan list. Do you want to continue?</source>
        <translation>Changer le canal retirera ce groupe public de la liste de balayage du canal %d et l&apos;ajoutera à la liste de balayage du canal %d. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Channel changed successfully, but the new channel&apos;s scan list is full, this contact has not been added to new channel&apos;s scan list.</source>
        <translation>Le canal a été changé, mais la liste de balayage du nouveau canal est pleine&#xa0;: ce contact n&apos;a pas été ajouté à la liste de balayage du nouveau canal.</translation>
    </message>
    <message>
        <source>Programing error: 135.
No available private contacts in the new channel.</source>
        <translation>Erreur de programmation&#xa0;: 135.
Aucun contact privé disponible dans le nouveau canal.</translation>
    </message>
    <message>
        <source>Changing this Private Group&apos;s channel will remove all of its members. Do you want to continue?</source>
        <translation>Changer le canal de ce groupe privé retirera tous ses membres. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Changing this Private contact&apos;s channel will remove it from all of its Private Groups and any Private Groups with no member will be deleted.  Also, this contact&apos;s Home Group field will be cleared. Do you want to continue?</source>
        <translation>Changer le canal de ce contact privé le retirera de tous ses groupes privés, et les groupes privés sans membre seront supprimés.  De plus, le champ Groupe principal de ce contact sera effacé. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Private contact already belongs to maximum number of private groups. Please remove this private contact from a private group first.</source>
        <translation>Ce contact privé appartient déjà au nombre maximal de groupes privés. Veuillez d&apos;abord retirer ce contact privé d&apos;un groupe privé.</translation>
    </message>
    <message>
        <source>Deleting this Private Group will remove all of its members. Do you want to continue?</source>
        <translation>Supprimer ce groupe privé retirera tous ses membres. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Deleting this Private contact will remove it from all of its Private Groups and any Private Groups with no member will be deleted. Do you want to continue?</source>
        <translation>Supprimer ce contact privé le retirera de tous ses groupes privés, et les groupes privés sans membre seront supprimés. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Infos du détaillant</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Error: There is an error when to acquire language type!</source>
        <translation>Erreur&#xa0;: impossible de déterminer le type de langue!</translation>
    </message>
    <message>
        <source>The length of contact name can not exceed %d.</source>
        <translation>La longueur du nom de contact ne peut pas dépasser %d.</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Choisissez un modèle de rapport.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Radio-Specific Report</source>
        <translation>Rapport propre à la radio</translation>
    </message>
    <message>
        <source>Overview Report</source>
        <translation>Rapport général</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Home Channel</source>
        <translation>Canal principal</translation>
    </message>
    <message>
        <source>See All Groups</source>
        <translation>Voir tous les groupes</translation>
    </message>
    <message>
        <source>Receive From</source>
        <translation>Recevoir de</translation>
    </message>
    <message>
        <source>Transmit To</source>
        <translation>Émettre vers</translation>
    </message>
    <message>
        <source>All Privates</source>
        <translation>Tous les contacts privés</translation>
    </message>
    <message>
        <source>All Private Groups</source>
        <translation>Tous les groupes privés</translation>
    </message>
    <message>
        <source>All Public Groups</source>
        <translation>Tous les groupes publics</translation>
    </message>
    <message>
        <source>Manager Mode Enabled</source>
        <translation>Mode gestionnaire activé</translation>
    </message>
    <message>
        <source>See All Groups Enabled</source>
        <translation>Voir tous les groupes activé</translation>
    </message>
    <message>
        <source>Group Only Enabled</source>
        <translation>Groupe seulement activé</translation>
    </message>
    <message>
        <source>Private Groups</source>
        <translation>Groupes privés</translation>
    </message>
    <message>
        <source>Public Groups</source>
        <translation>Groupes publics</translation>
    </message>
    <message>
        <source>Receive List</source>
        <translation>Liste de réception</translation>
    </message>
    <message>
        <source>Group Members</source>
        <translation>Membres du groupe</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>The length of text message can not exceed %d characters.</source>
        <translation>La longueur du message texte ne peut pas dépasser %d caractères.</translation>
    </message>
    <message>
        <source>:</source>
        <translation>&#xa0;:</translation>
    </message>
    <message>
        <source>Manager Mode</source>
        <translation>Mode gestionnaire</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Scroll List (global)</source>
        <translation>Liste de défilement (globale)</translation>
    </message>
    <message>
        <source>Scroll List (private)</source>
        <translation>Liste de défilement (privée)</translation>
    </message>
    <message>
        <source>Private Scroll List</source>
        <translation>Liste de défilement privée</translation>
    </message>
    <message>
        <source>The message can only contain ISO-8859-1 characters. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>Le message ne peut contenir que des caractères ISO-8859-1. Si vous continuez, ce message sera supprimé. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Contact name can only contain ISO-8859-1 characters.</source>
        <translation>Le nom du contact ne peut contenir que des caractères ISO-8859-1.</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Volet d&apos;aide</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Certains fichiers nécessaires au CPS ne sont pas disponibles.
Veuillez réinstaller le CPS.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Le fichier de ressources de la langue est introuvable. Le CPS démarrera en anglais.</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Vous devez redémarrer le CPS pour que ce changement prenne effet.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Ajouter	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Scan(Add)	Ctrl+T</source>
        <translation>Sca&amp;nner (ajout)	Ctrl+T</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Supprimer	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>&amp;Renommer	F2</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>&amp;Infos du détaillant</translation>
    </message>
    <message>
        <source>Pr&amp;eference</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Error: Unable to convert the radio text format into the CPS text format.</source>
        <translation>Erreur&#xa0;: impossible de convertir le format de texte de la radio en format de texte du CPS.</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Read	Ctrl+R</source>
        <translation>&amp;Lire	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write	Ctrl+W</source>
        <translation>É&amp;crire	Ctrl+W</translation>
    </message>
    <message>
        <source>R&amp;eset	Ctrl+E</source>
        <translation>Ré&amp;initialiser	Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Ra&amp;pport</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Content and Index...	F1</source>
        <translation>&amp;Sommaire et index...	F1</translation>
    </message>
    <message>
        <source>&amp;About %s...</source>
        <translation>À &amp;propos de %s...</translation>
    </message>
    <message>
        <source>Error: Unable to convert CPS character format into the radio text format.</source>
        <translation>Erreur&#xa0;: impossible de convertir le format de caractères du CPS en format de texte de la radio.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Error: 101 Some node exist in CodePlugSetting part and VisibleSetting.</source>
        <translation>Erreur&#xa0;: 101 Certains nœuds existent à la fois dans la partie CodePlugSetting et dans VisibleSetting.</translation>
    </message>
    <message>
        <source>Error: 102 Some node are not correct, please check.</source>
        <translation>Erreur&#xa0;: 102 Certains nœuds sont incorrects, veuillez vérifier.</translation>
    </message>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the ZQV CPS.</source>
        <translation>Le CPS a besoin du moteur VBScript pour démarrer. Veuillez installer le moteur VBScript avant de redémarrer ZQV CPS.</translation>
    </message>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Veuillez entrer 4 chiffres.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Les mots de passe entrés ne correspondent pas.</translation>
    </message>
    <message>
        <source>The opened profile is not the latest format. Do you want convert it to the latest format?
(You can&apos;t convert it back to the original format once you select yes.)</source>
        <translation>Le profil ouvert n&apos;est pas au format le plus récent. Voulez-vous le convertir au format le plus récent?
(Une fois que vous aurez choisi Oui, vous ne pourrez plus le reconvertir au format d&apos;origine.)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>File format is error. Failed to save.</source>
        <translation>Le format du fichier est erroné. Échec de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Veuillez entrer le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it.</source>
        <translation>Le mot de passe est incorrect. Veuillez vérifier.</translation>
    </message>
    <message>
        <source>Error: Unable to get radio password.</source>
        <translation>Erreur&#xa0;: impossible d&apos;obtenir le mot de passe de la radio.</translation>
    </message>
    <message>
        <source>No COM port is detected on this computer.</source>
        <translation>Aucun port COM n&apos;a été détecté sur cet ordinateur.</translation>
    </message>
    <message>
        <source>ZQV7 M profile is not compatible with ZQV7 radio.</source>
        <translation>Le profil ZQV7 M n&apos;est pas compatible avec la radio ZQV7.</translation>
    </message>
    <message>
        <source>Auto Detect COM Port</source>
        <translation>Détection auto du port COM</translation>
    </message>
    <message>
        <source>Do you want to create a new profile(Yes), overwrite the currently selected profile(No) or cancel it?</source>
        <translation>Voulez-vous créer un nouveau profil (Oui), écraser le profil sélectionné (Non) ou annuler?</translation>
    </message>
    <message>
        <source>Preference Setting</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Select COM Port</source>
        <translation>Choisir le port COM</translation>
    </message>
    <message>
        <source>Can not read the registry entry of </source>
        <translation>Impossible de lire l&apos;entrée de registre de </translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Lecture de la radio ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Écriture dans la radio ...</translation>
    </message>
    <message>
        <source>Reading successful!</source>
        <translation>Lecture réussie!</translation>
    </message>
    <message>
        <source>Writing success!</source>
        <translation>Écriture réussie!</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Warning: The radio being programmed is not in this profile. Do you want to continue?</source>
        <translation>Avertissement&#xa0;: la radio en cours de programmation ne figure pas dans ce profil. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Warning: Some profile information is not supported by the host radio and therefore it will not be transferred. Do you want to continue?</source>
        <translation>Avertissement&#xa0;: certaines informations du profil ne sont pas prises en charge par la radio hôte et ne seront donc pas transférées. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Unknown Warning!</source>
        <translation>Avertissement inconnu!</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Veuillez choisir le modèle du profil.</translation>
    </message>
    <message>
        <source>Unit Private ID</source>
        <translation>ID privé de l&apos;unité</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Version du codeplug</translation>
    </message>
    <message>
        <source>Press Home 3 times and then PTT on the other radio.</source>
        <translation>Appuyez 3 fois sur Home, puis sur PTT sur l&apos;autre radio.</translation>
    </message>
    <message>
        <source>Home Group</source>
        <translation>Groupe principal</translation>
    </message>
    <message>
        <source>Group Only</source>
        <translation>Groupe seulement</translation>
    </message>
    <message>
        <source>Ringer</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>The message field is blank. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>Le champ du message est vide. Si vous continuez, ce message sera supprimé. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Note: Canceling the operation...</source>
        <translation>Remarque&#xa0;: annulation de l&apos;opération...</translation>
    </message>
    <message>
        <source>There should be at least one group member assigned!</source>
        <translation>Au moins un membre doit être affecté au groupe!</translation>
    </message>
    <message>
        <source>Read Private ID from Radio</source>
        <translation>Lire l&apos;ID privé de la radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Erreur&#xa0;: fichiers modèles introuvables!</translation>
    </message>
    <message>
        <source>Fatal registry error. Please reinstall CPS.</source>
        <translation>Erreur fatale de registre. Veuillez réinstaller le CPS.</translation>
    </message>
    <message>
        <source>Failure to read dealer information from the registry!</source>
        <translation>Échec de la lecture des infos du détaillant dans le registre!</translation>
    </message>
    <message>
        <source>Failure to write dealer information to the registry!</source>
        <translation>Échec de l&apos;écriture des infos du détaillant dans le registre!</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade
          your CPS software.</source>
        <translation>Erreur&#xa0;: la version de la radio n&apos;est pas prise en charge. Veuillez mettre à niveau
          votre logiciel CPS.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that
          does not support the CPS.</source>
        <translation>Erreur&#xa0;: votre radio a une version antérieure du micrologiciel qui
          ne prend pas en charge le CPS.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset or a radio write
          operation first.</source>
        <translation>Erreur&#xa0;: veuillez d&apos;abord réinitialiser la radio ou effectuer
          une écriture dans la radio.</translation>
    </message>
    <message>
        <source>Error: Radio model is unsupported.</source>
        <translation>Erreur&#xa0;: le modèle de radio n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a
          few seconds.</source>
        <translation>Erreur&#xa0;: la radio est occupée. Veuillez réessayer dans
          quelques secondes.</translation>
    </message>
    <message>
        <source>Error: Operation timed out.</source>
        <translation>Erreur&#xa0;: le délai de l&apos;opération a expiré.</translation>
    </message>
    <message>
        <source>Error: COM port already in use by another application.</source>
        <translation>Erreur&#xa0;: le port COM est déjà utilisé par une autre application.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio.
          Please check your connection and try again.</source>
        <translation>Erreur&#xa0;: impossible d&apos;établir une connexion avec la radio.
          Veuillez vérifier votre connexion et réessayer.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>ZQV CPS - the programming software for ZQV push-to-talk radios</source>
        <translation>ZQV CPS - le logiciel de programmation des radios à bouton de conversation (PTT) ZQV</translation>
    </message>
    <message>
        <source>Version %s</source>
        <translation>Version %s</translation>
    </message>
    <message>
        <source>Copyright (C) Corvane. All rights reserved.</source>
        <translation>Copyright (C) Corvane. Tous droits réservés.</translation>
    </message>
    <message>
        <source>This program is protected by copyright law.</source>
        <translation>Ce programme est protégé par la loi sur le droit d&apos;auteur.</translation>
    </message>
    <message>
        <source>Unauthorized copying or distribution of this program, or of any part of it, is not permitted.</source>
        <translation>Toute copie ou distribution non autorisée de ce programme, ou de toute partie de celui-ci, est interdite.</translation>
    </message>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Erreur&#xa0;: fichier d&apos;aide introuvable!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Erreur&#xa0;: le format du fichier d&apos;aide n&apos;est pas valide!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in registry!</source>
        <translation>Erreur&#xa0;: les informations du fichier d&apos;aide sont introuvables dans le registre!</translation>
    </message>
    <message>
        <source>Error: Operation Failed.</source>
        <translation>Erreur&#xa0;: l&apos;opération a échoué.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%s).</source>
        <translation>Erreur&#xa0;: l&apos;opération a échoué (%s).</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%d).</source>
        <translation>Erreur&#xa0;: l&apos;opération a échoué (%d).</translation>
    </message>
    <message>
        <source>Invalid Opcode</source>
        <translation>Code d&apos;opération non valide</translation>
    </message>
    <message>
        <source>Unsupported Command</source>
        <translation>Commande non prise en charge</translation>
    </message>
    <message>
        <source>Operation Unsupported</source>
        <translation>Opération non prise en charge</translation>
    </message>
    <message>
        <source>User Canceled</source>
        <translation>Annulé par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Message Compose</source>
        <translation>Rédaction du message</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade your CPS software.</source>
        <translation>Erreur&#xa0;: la version de la radio n&apos;est pas prise en charge. Veuillez mettre à niveau votre logiciel CPS.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a few seconds.</source>
        <translation>Erreur&#xa0;: la radio est occupée. Veuillez réessayer dans quelques secondes.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio. Please check your connection and try again.</source>
        <translation>Erreur&#xa0;: impossible d&apos;établir une connexion avec la radio. Veuillez vérifier votre connexion et réessayer.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that does not support the CPS.</source>
        <translation>Erreur&#xa0;: votre radio a une version antérieure du micrologiciel qui ne prend pas en charge le CPS.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset.</source>
        <translation>Erreur&#xa0;: veuillez réinitialiser la radio.</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erreur&#xa0;: chargement des données de la vue Informations radio.</translation>
    </message>
    <message>
        <source>Error: Text messages view loads data.</source>
        <translation>Erreur&#xa0;: chargement des données de la vue Messages texte.</translation>
    </message>
    <message>
        <source>Rule script error (JavaScript engine)
</source>
        <translation>Erreur du script de règles (moteur JavaScript)
</translation>
    </message>
    <message>
        <source>Line: %d
</source>
        <translation>Ligne&#xa0;: %d
</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>Enregistrer les modifications de %s?</translation>
    </message>
    <message>
        <source>This ID is not valid for this radio model.</source>
        <translation>Cet ID n&apos;est pas valide pour ce modèle de radio.</translation>
    </message>
    <message>
        <source>Valid IDs for this model: %s to %s.</source>
        <translation>ID valides pour ce modèle : de %s à %s.</translation>
    </message>
    <message>
        <source>The ID is held by &quot;%s&quot;.</source>
        <translation>L&apos;ID appartient à &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Bank %d</source>
        <translation>Banque %d</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>The private scroll list is empty. Do you want to start it with the contacts of the scroll list?</source>
        <translation>La liste de défilement privée est vide. Voulez-vous la remplir avec les contacts de la liste de défilement?</translation>
    </message>
    <message>
        <source>The value is not valid.</source>
        <translation>La valeur n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Error: The COM port does not exist. Check that the cable is plugged in and that the right port is chosen.</source>
        <translation>Erreur&#xa0;: le port COM n&apos;existe pas. Vérifiez que le câble est branché et que le bon port est choisi.</translation>
    </message>
    <message>
        <source>Error: The connection to the radio was lost during the transfer. Check the cable and try again.</source>
        <translation>Erreur&#xa0;: la connexion avec la radio a été perdue pendant le transfert. Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s firmware version %s belongs to no setting group of this installation. Please upgrade your CPS software.</source>
        <translation>Erreur&#xa0;: la version %s du micrologiciel de la radio n&apos;appartient à aucun groupe de paramètres de cette installation. Veuillez mettre à niveau votre logiciel CPS.</translation>
    </message>
    <message>
        <source>%d contact(s) of a type this program does not know were left out of the read.</source>
        <translation>%d contact(s) d&apos;un type inconnu de ce programme ont été exclus de la lecture.</translation>
    </message>
    <message>
        <source>%d control character(s) in names and texts read from the radio were replaced by blanks.</source>
        <translation>%d caractère(s) de contrôle dans les noms et les textes lus dans la radio ont été remplacés par des espaces.</translation>
    </message>
    <message>
        <source>The radio was reset after the write stopped part-way and holds an incomplete profile. Write the whole profile into the radio again.</source>
        <translation>La radio a été réinitialisée après l&apos;arrêt de l&apos;écriture en cours de route et contient un profil incomplet. Écrivez de nouveau le profil complet dans la radio.</translation>
    </message>
    <message>
        <source>The file is too large for a profile: a profile holds at most %d KB.</source>
        <translation>Le fichier est trop volumineux pour un profil&#xa0;: un profil contient au plus %d Ko.</translation>
    </message>
    <message>
        <source>The file is not a valid profile: an element has more than %d attributes.</source>
        <translation>Le fichier n&apos;est pas un profil valide&#xa0;: un élément a plus de %d attributs.</translation>
    </message>
    <message>
        <source>%s is not a regular file and cannot be opened as a profile.</source>
        <translation>%s n&apos;est pas un fichier ordinaire et ne peut pas être ouvert comme profil.</translation>
    </message>
    <message>
        <source>The profile is incomplete: the setting &quot;%s&quot; is missing.</source>
        <translation>Le profil est incomplet&#xa0;: le paramètre «&#xa0;%s&#xa0;» est manquant.</translation>
    </message>
    <message>
        <source>Failed to save %s.
%s</source>
        <translation>Échec de l&apos;enregistrement de %s.
%s</translation>
    </message>
    <message>
        <source>The radio cannot take the profile exactly as it is. Writing it changes the following:

%s

Do you want to write the radio anyway?</source>
        <translation>La radio ne peut pas recevoir le profil exactement tel quel. L&apos;écrire entraîne les changements suivants&#xa0;:

%s

Voulez-vous quand même écrire dans la radio?</translation>
    </message>
    <message>
        <source>%s, %s: the profile has &quot;%s&quot;, the radio would get &quot;%s&quot;</source>
        <translation>%s, %s&#xa0;: le profil contient «&#xa0;%s&#xa0;», la radio recevrait «&#xa0;%s&#xa0;»</translation>
    </message>
    <message>
        <source>%s: not written to the radio</source>
        <translation>%s&#xa0;: non écrit dans la radio</translation>
    </message>
    <message>
        <source>%s, %s: &quot;%s&quot; is also the name of %s; contacts are found by name, so only the first is used</source>
        <translation>%s, %s&#xa0;: «&#xa0;%s&#xa0;» est aussi le nom de %s; les contacts sont trouvés par leur nom, seul le premier est donc utilisé</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Avertissement&#xa0;: %s</translation>
    </message>
    <message>
        <source>%s: not written, its record is too long for the radio</source>
        <translation>%s&#xa0;: non écrit, son enregistrement est trop long pour la radio</translation>
    </message>
    <message>
        <source>... and %s more</source>
        <translation>... et %s de plus</translation>
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
        <translation>Les préférences du programme n&apos;ont pas pu être lues et ont été réinitialisées. Le fichier illisible a été conservé sous&#xa0;:
%s</translation>
    </message>
    <message>
        <source>Write a link trace</source>
        <translation>Écrire une trace de liaison</translation>
    </message>
    <message>
        <source>Trace file: %s</source>
        <translation>Fichier de trace&#xa0;: %s</translation>
    </message>
    <message>
        <source>The link trace file %s could not be opened: %s</source>
        <translation>Le fichier de trace de liaison %s n&apos;a pas pu être ouvert&#xa0;: %s</translation>
    </message>
    <message>
        <source>ZQV Radio Information</source>
        <translation>Informations radio ZQV</translation>
    </message>
    <message>
        <source>This radio is protected by a codeplug password. Give it with --password.</source>
        <translation>Cette radio est protégée par un mot de passe de codeplug. Indiquez-le avec --password.</translation>
    </message>
    <message>
        <source>Setting Group</source>
        <translation>Groupe de paramètres</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponibles</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Sélectionnés</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>The Radio-Specific Report describes the radio whose Unit Private ID belongs to a private contact of the profile. This profile has no such contact.</source>
        <translation>Le rapport propre à la radio décrit la radio dont l&apos;ID privé de l&apos;unité appartient à un contact privé du profil. Ce profil n&apos;a aucun contact de ce type.</translation>
    </message>
    <message>
        <source>The report could not be saved as %s.</source>
        <translation>Le rapport n&apos;a pas pu être enregistré sous %s.</translation>
    </message>
    <message>
        <source>Web page (*.htm *.html)</source>
        <translation>Page Web (*.htm *.html)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Page %s de %s</translation>
    </message>
    <message>
        <source>ZQV CPS</source>
        <translation>ZQV CPS</translation>
    </message>
    <message>
        <source>About %s</source>
        <translation>À propos de %s</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉF</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fermer le document actif
Fermer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Add a tree item
Add</source>
        <translation>Ajouter un élément à l&apos;arborescence
Ajouter</translation>
    </message>
    <message>
        <source>Add a private contact with bar code scanner
Scan</source>
        <translation>Ajouter un contact privé avec un lecteur de code-barres
Scanner</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Couper la sélection et la placer dans le Presse-papiers
Couper</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copier la sélection et la placer dans le Presse-papiers
Copier</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insérer le contenu du Presse-papiers
Coller</translation>
    </message>
    <message>
        <source>Delete a tree item
Delete</source>
        <translation>Supprimer un élément de l&apos;arborescence
Supprimer</translation>
    </message>
    <message>
        <source>Change the name of a tree item</source>
        <translation>Changer le nom d&apos;un élément de l&apos;arborescence</translation>
    </message>
    <message>
        <source>Dealer information setting</source>
        <translation>Réglage des infos du détaillant</translation>
    </message>
    <message>
        <source>Preference setting</source>
        <translation>Réglage des préférences</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>Show or hide the help pane
Toggle help pane</source>
        <translation>Afficher ou masquer le volet d&apos;aide
Volet d&apos;aide</translation>
    </message>
    <message>
        <source>Read from the radio
Read</source>
        <translation>Lire la radio
Lire</translation>
    </message>
    <message>
        <source>Write to the radio
Write</source>
        <translation>Écrire dans la radio
Écrire</translation>
    </message>
    <message>
        <source>Reset the radio
Reset</source>
        <translation>Réinitialiser la radio
Réinitialiser</translation>
    </message>
    <message>
        <source>Generate a report
Report</source>
        <translation>Générer un rapport
Rapport</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Disposer les fenêtres en cascade
Fenêtres en cascade</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Disposer les fenêtres en mosaïque sans chevauchement
Fenêtres en mosaïque</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%s: added</source>
        <translation>%s&#xa0;: ajouté</translation>
    </message>
    <message>
        <source>%s: removed</source>
        <translation>%s&#xa0;: supprimé</translation>
    </message>
    <message>
        <source>%s, %s: %s → %s</source>
        <translation>%s, %s&#xa0;: %s → %s</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; (%s)</source>
        <translation>Contact privé «&#xa0;%s&#xa0;» (%s)</translation>
    </message>
    <message>
        <source>Private group &quot;%s&quot; (%s)</source>
        <translation>Groupe privé «&#xa0;%s&#xa0;» (%s)</translation>
    </message>
    <message>
        <source>Public group &quot;%s&quot; (%s)</source>
        <translation>Groupe public «&#xa0;%s&#xa0;» (%s)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Radio features</source>
        <translation>Fonctions de la radio</translation>
    </message>
    <message>
        <source>Text message %s &quot;%s&quot;</source>
        <translation>Message texte %s «&#xa0;%s&#xa0;»</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>groupes</translation>
    </message>
    <message>
        <source>home group</source>
        <translation>groupe principal</translation>
    </message>
    <message>
        <source>in scroll list</source>
        <translation>dans la liste de défilement</translation>
    </message>
    <message>
        <source>in scan list</source>
        <translation>dans la liste de balayage</translation>
    </message>
    <message>
        <source>alert tone</source>
        <translation>sonnerie</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
    </message>
    <message>
        <source>show group only</source>
        <translation>groupe seulement</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <translation>(masqué)</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows:

%s

Do you want to write the radio?</source>
        <translation>L&apos;écriture de ce profil modifie la radio comme suit&#xa0;:

%s

Voulez-vous écrire dans la radio?</translation>
    </message>
    <message>
        <source>The radio already holds this profile: writing it changes nothing.

Do you want to write the radio anyway?</source>
        <translation>La radio contient déjà ce profil&#xa0;: l&apos;écrire ne change rien.

Voulez-vous quand même écrire dans la radio?</translation>
    </message>
    <message>
        <source>The radio&apos;s programming was saved as %s</source>
        <translation>La programmation de la radio a été enregistrée sous %s</translation>
    </message>
    <message>
        <source>The radio&apos;s programming could not be saved as a backup in %s. Nothing was written.</source>
        <translation>La programmation de la radio n&apos;a pas pu être sauvegardée dans %s. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The radio was verified: it holds what was written.</source>
        <translation>La radio a été vérifiée&#xa0;: elle contient ce qui a été écrit.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s</source>
        <translation>La radio ne contient pas ce qui a été écrit&#xa0;:

%s</translation>
    </message>
    <message>
        <source>The radio could not be read back, so the write was not verified.</source>
        <translation>La radio n&apos;a pas pu être relue; l&apos;écriture n&apos;a donc pas été vérifiée.</translation>
    </message>
    <message>
        <source>The write did not complete, so the radio may hold part of the new programming.

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>L&apos;écriture ne s&apos;est pas terminée; la radio peut contenir une partie de la nouvelle programmation.

Voulez-vous réécrire dans la radio la sauvegarde faite avant l&apos;écriture?
%s</translation>
    </message>
    <message>
        <source>Backing up the radio ...</source>
        <translation>Sauvegarde de la radio ...</translation>
    </message>
    <message>
        <source>Verifying the radio ...</source>
        <translation>Vérification de la radio ...</translation>
    </message>
    <message>
        <source>No backups have been saved.</source>
        <translation>Aucune sauvegarde n&apos;a été enregistrée.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Show the backups of all radios</source>
        <translation>Voir les sauvegardes de toutes les radios</translation>
    </message>
    <message>
        <source>Changes to the Radio</source>
        <translation>Changements dans la radio</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Back up the radio before writing</source>
        <translation>Sauvegarder la radio avant l&apos;écriture</translation>
    </message>
    <message>
        <source>Verify the radio after writing</source>
        <translation>Vérifier la radio après l&apos;écriture</translation>
    </message>
    <message>
        <source>Backups kept per radio:</source>
        <translation>Sauvegardes gardées par radio&#xa0;:</translation>
    </message>
    <message>
        <source>Write a backup of a radio back into it
Restore Backup</source>
        <translation>Réécrire une sauvegarde d&apos;une radio dans celle-ci
Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Item
Change
Now in the radio
After the write</source>
        <translation>Élément
Changement
Dans la radio
Après l&apos;écriture</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajouté</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Restaurer une &amp;sauvegarde...</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows. What the radio held before was saved as:
%s</source>
        <translation>L&apos;écriture de ce profil modifie la radio comme suit. Le contenu précédent de la radio a été enregistré sous&#xa0;:
%s</translation>
    </message>
    <message>
        <source>Choose the backup to write back into the radio. It opens as a profile and is written with the same backup, change report and check as any write.</source>
        <translation>Choisissez la sauvegarde à réécrire dans la radio. Elle s&apos;ouvre comme un profil et est écrite avec la même sauvegarde, le même rapport de changements et la même vérification que toute écriture.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>It is not a regular file (a folder, a device or a pipe).</source>
        <translation>Ce n&apos;est pas un fichier ordinaire (un dossier, un périphérique ou un tube).</translation>
    </message>
    <message>
        <source>Your settings cannot be read from %s:
%s
Correct or remove this file, then start the program again.</source>
        <translation>Vos paramètres ne peuvent pas être lus dans %s&#xa0;:
%s
Corrigez ou supprimez ce fichier, puis redémarrez le programme.</translation>
    </message>
    <message>
        <source>Updates the contact with this PID</source>
        <translation>Met à jour le contact de ce PID</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Same name as an existing contact: skipped</source>
        <translation>Même nom qu&apos;un contact existant : ignoré</translation>
    </message>
    <message>
        <source>Same name as an existing contact: replaces it</source>
        <translation>Même nom qu&apos;un contact existant : le remplace</translation>
    </message>
    <message>
        <source>Same name as an existing contact: added as &quot;%s&quot;</source>
        <translation>Même nom qu&apos;un contact existant : ajouté sous le nom &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Refused: %s</source>
        <translation>Refusé : %s</translation>
    </message>
    <message>
        <source>The PID %s is already on line %s of the file.</source>
        <translation>Le PID %s figure déjà à la ligne %s du fichier.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s contacts.</source>
        <translation>Ce modèle de radio contient au plus %s contacts.</translation>
    </message>
    <message>
        <source>This radio model holds no more contacts of this type.</source>
        <translation>Ce modèle de radio ne contient plus de contacts de ce type.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s text messages.</source>
        <translation>Ce modèle de radio contient au plus %s messages texte.</translation>
    </message>
    <message>
        <source>There is no group named &quot;%s&quot; on the contact&apos;s channel.</source>
        <translation>Aucun groupe nommé &quot;%s&quot; sur le canal du contact.</translation>
    </message>
    <message>
        <source>Unknown contact type &quot;%s&quot;.</source>
        <translation>Type de contact inconnu &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>There is no contact named &quot;%s&quot;.</source>
        <translation>Aucun contact nommé &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The value &quot;%s&quot; of %s is not valid.</source>
        <translation>La valeur &quot;%s&quot; de %s n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The file is not a table of text (CSV); nothing was imported.</source>
        <translation>Le fichier n&apos;est pas un tableau de texte (CSV) ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file is not a valid CSV table (a quoted field is not closed); nothing was imported.</source>
        <translation>Le fichier n&apos;est pas un tableau CSV valide (un champ entre guillemets n&apos;est pas fermé) ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The first line of the file names no column &quot;%s&quot;; nothing was imported.</source>
        <translation>La première ligne du fichier ne nomme aucune colonne &quot;%s&quot; ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file is empty; nothing was imported.</source>
        <translation>Le fichier est vide ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%s new, %s updated, %s unchanged, %s name clashes, %s refused.</source>
        <translation>%s nouveaux, %s mis à jour, %s inchangés, %s noms en double, %s refusés.</translation>
    </message>
    <message>
        <source>Line %s: %s</source>
        <translation>Ligne %s : %s</translation>
    </message>
    <message>
        <source>Cannot read the file %s.</source>
        <translation>Impossible de lire le fichier %s.</translation>
    </message>
    <message>
        <source>Cannot write the file %s.</source>
        <translation>Impossible d&apos;écrire le fichier %s.</translation>
    </message>
    <message>
        <source>%s rows written to %s.</source>
        <translation>%s lignes écrites dans %s.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import from %s</source>
        <translation>Importer depuis %s</translation>
    </message>
    <message>
        <source>When a name is already in the profile:</source>
        <translation>Quand un nom figure déjà dans le profil :</translation>
    </message>
    <message>
        <source>Skip the row</source>
        <translation>Ignorer la ligne</translation>
    </message>
    <message>
        <source>Replace the contact of that name</source>
        <translation>Remplacer le contact de ce nom</translation>
    </message>
    <message>
        <source>Keep both, the new one with a new name</source>
        <translation>Garder les deux, le nouveau sous un autre nom</translation>
    </message>
    <message>
        <source>Line
Name
PID
What happens</source>
        <translation>Ligne
Nom
PID
Ce qui se passe</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Import Contacts...</source>
        <translation>&amp;Importer des contacts...</translation>
    </message>
    <message>
        <source>Import &amp;Text Messages...</source>
        <translation>Importer des messages &amp;texte...</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts...</source>
        <translation>E&amp;xporter les contacts...</translation>
    </message>
    <message>
        <source>Export Text Messa&amp;ges...</source>
        <translation>Exporter les messa&amp;ges texte...</translation>
    </message>
    <message>
        <source>Add or update contacts from a CSV table
Import Contacts</source>
        <translation>Ajouter ou mettre à jour des contacts depuis un tableau CSV
Importer des contacts</translation>
    </message>
    <message>
        <source>Add text messages from a CSV table
Import Text Messages</source>
        <translation>Ajouter des messages texte depuis un tableau CSV
Importer des messages texte</translation>
    </message>
    <message>
        <source>Write the contacts to a CSV table
Export Contacts</source>
        <translation>Écrire les contacts dans un tableau CSV
Exporter les contacts</translation>
    </message>
    <message>
        <source>Write the text messages to a CSV table
Export Text Messages</source>
        <translation>Écrire les messages texte dans un tableau CSV
Exporter les messages texte</translation>
    </message>
    <message>
        <source>Setting taken over: %s</source>
        <translation>Réglage repris : %s</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>Fusionne&amp;r un profil...</translation>
    </message>
    <message>
        <source>Bring contacts, groups, texts or settings of another profile into this one
Merge</source>
        <translation>Reprendre les contacts, groupes, textes ou réglages d&apos;un autre profil dans celui-ci
Fusionner</translation>
    </message>
    <message>
        <source>Merge %s into this profile</source>
        <translation>Fusionner %s dans ce profil</translation>
    </message>
    <message>
        <source>Take from the other profile:</source>
        <translation>Reprendre de l&apos;autre profil :</translation>
    </message>
    <message>
        <source>Private contacts</source>
        <translation>Contacts privés</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Text messages</source>
        <translation>Messages texte</translation>
    </message>
    <message>
        <source>Scroll and scan lists</source>
        <translation>Listes de défilement et de balayage</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Privates</source>
        <translation>Contacts privés</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Scroll (%d)</source>
        <translation>Défilement (%d)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Liste de balayage</translation>
    </message>
    <message>
        <source>Channel %d (%d)</source>
        <translation>Canal %d (%d)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source> (add with scanner)</source>
        <translation> (ajout avec lecteur)</translation>
    </message>
    <message>
        <source> (add without scanner)</source>
        <translation> (ajout sans lecteur)</translation>
    </message>
    <message>
        <source>Error: Convert cordinate.</source>
        <translation>Erreur&#xa0;: conversion de coordonnées.</translation>
    </message>
    <message>
        <source>Profile data Error! The profile will be closed.</source>
        <translation>Erreur dans les données du profil! Le profil sera fermé.</translation>
    </message>
    <message>
        <source>The following field(s) have been incorrectly specified:

%s
By continuing, this contact will be deleted. Do you want to continue?</source>
        <translation>Le ou les champs suivants sont mal définis&#xa0;:

%s
Si vous continuez, ce contact sera supprimé. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>- (Name)
</source>
        <translation>- (Nom)
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
        <translation>- (Membres du groupe)
</translation>
    </message>
    <message>
        <source>Name field can not be empty!</source>
        <translation>Le champ Nom ne peut pas être vide!</translation>
    </message>
    <message>
        <source>ID field can not be empty!</source>
        <translation>Le champ ID ne peut pas être vide!</translation>
    </message>
    <message>
        <source>Delete Current Contact</source>
        <translation>Supprimer ce contact</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Ajouter &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Retirer</translation>
    </message>
    <message>
        <source>Add Public Group</source>
        <translation>Ajouter un groupe public</translation>
    </message>
    <message>
        <source>Error: Duplicate public group ID.</source>
        <translation>Erreur&#xa0;: ID de groupe public en double.</translation>
    </message>
    <message>
        <source>Error: The bank information is incorrect.</source>
        <translation>Erreur&#xa0;: les informations de banque sont incorrectes.</translation>
    </message>
    <message>
        <source>Fatal Error: 102
Null pointer exception!</source>
        <translation>Erreur fatale&#xa0;: 102
Exception de pointeur nul!</translation>
    </message>
    <message>
        <source>Add Private Group</source>
        <translation>Ajouter un groupe privé</translation>
    </message>
    <message>
        <source>This contact already belongs to 5 Private Groups. Please remove it from a group first, before adding to another Private Group.</source>
        <translation>Ce contact appartient déjà à 5 groupes privés. Veuillez d&apos;abord le retirer d&apos;un groupe avant de l&apos;ajouter à un autre groupe privé.</translation>
    </message>
    <message>
        <source> (%d Group(s) Left)</source>
        <translation> (%d groupe(s) restant(s))</translation>
    </message>
    <message>
        <source>No available private contacts in the new channel. The channel will be reverted back to the previous value.</source>
        <translation>Aucun contact privé disponible dans le nouveau canal. Le canal reprendra sa valeur précédente.</translation>
    </message>
    <message>
        <source>Add Privates</source>
        <translation>Ajouter des contacts privés</translation>
    </message>
    <message>
        <source>Add Privates with a Scanner</source>
        <translation>Ajouter des contacts privés avec un lecteur</translation>
    </message>
    <message>
        <source>Ringer %d</source>
        <translation>Sonnerie %d</translation>
    </message>
    <message>
        <source>Enable Private Scroll List</source>
        <translation>Activer liste de défilement privée</translation>
    </message>
    <message>
        <source>Available Contacts</source>
        <translation>Contacts disponibles</translation>
    </message>
    <message>
        <source>Scan List Channel %d</source>
        <translation>Liste de balayage du canal %d</translation>
    </message>
    <message>
        <source>Reached maximum number of contacts in this channel.</source>
        <translation>Nombre maximal de contacts atteint dans ce canal.</translation>
    </message>
    <message>
        <source>Cannot add more than %d amount of contacts to the scan list.</source>
        <translation>Impossible d&apos;ajouter plus de %d contacts à la liste de balayage.</translation>
    </message>
    <message>
        <source>Maximum Contacts:</source>
        <translation>Contacts max.&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum Private Groups:</source>
        <translation>Groupes privés max.&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum Public Groups:</source>
        <translation>Groupes publics max.&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum Privates:</source>
        <translation>Contacts privés max.&#xa0;:</translation>
    </message>
    <message>
        <source>Current Number of Contacts:</source>
        <translation>Nombre actuel de contacts&#xa0;:</translation>
    </message>
    <message>
        <source>Current Number of Private Groups:</source>
        <translation>Nombre actuel de groupes privés&#xa0;:</translation>
    </message>
    <message>
        <source>Current Number of Public Groups:</source>
        <translation>Nombre actuel de groupes publics&#xa0;:</translation>
    </message>
    <message>
        <source>Current Number of Privates:</source>
        <translation>Nombre actuel de contacts privés&#xa0;:</translation>
    </message>
    <message>
        <source>VibraCall</source>
        <translation>VibraCall</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Clock/Alarm</source>
        <translation>Horloge/alarme</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Format heure</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Set Time Using PC Clock</source>
        <translation>Régler l&apos;heure selon le PC</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Heure alarme</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Earpiece</source>
        <translation>Écouteur</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Manager Mode on for</source>
        <translation>Mode gestionnaire activé pour</translation>
    </message>
    <message>
        <source>See All Groups on for</source>
        <translation>Voir tous les groupes activé pour</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Mot de passe codeplug (4 chiffres)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Confirmer le mot de passe (4 chiffres)</translation>
    </message>
    <message>
        <source>Talk Permit Tone Offset</source>
        <translation>Décalage tonalité d&apos;autorisation</translation>
    </message>
    <message>
        <source>Ambient Noise</source>
        <translation>Bruit ambiant</translation>
    </message>
    <message>
        <source>Accessory</source>
        <translation>Accessoire</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Disable Internal PTT with Accessory</source>
        <translation>Désactiver PTT interne avec accessoire</translation>
    </message>
    <message>
        <source>Disable Programming Mode</source>
        <translation>Désactiver mode programmation</translation>
    </message>
    <message>
        <source>Disable TX Timeout Timer</source>
        <translation>Désactiver minuterie d&apos;émission</translation>
    </message>
    <message>
        <source>Tx Timeout Timer</source>
        <translation>Minuterie d&apos;émission</translation>
    </message>
    <message>
        <source>Disable Private Reply</source>
        <translation>Désactiver réponse privée</translation>
    </message>
    <message>
        <source>Note: Contacts added to the Manager Mode list are automatically added to the See All Groups list.</source>
        <translation>Remarque&#xa0;: les contacts ajoutés à la liste Mode gestionnaire sont automatiquement ajoutés à la liste Voir tous les groupes.</translation>
    </message>
    <message>
        <source>12hr</source>
        <translation>12 h</translation>
    </message>
    <message>
        <source>24hr</source>
        <translation>24 h</translation>
    </message>
    <message>
        <source>MM/DD</source>
        <translation>MM/JJ</translation>
    </message>
    <message>
        <source>DD/MM</source>
        <translation>JJ/MM</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>Maximum Text Messages:</source>
        <translation>Messages texte max.&#xa0;:</translation>
    </message>
    <message>
        <source>Current Number of Text Messages:</source>
        <translation>Nombre actuel de messages texte&#xa0;:</translation>
    </message>
    <message>
        <source>Add Text Message</source>
        <translation>Ajouter un message texte</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Message texte</translation>
    </message>
    <message>
        <source>Delete Current Message</source>
        <translation>Supprimer ce message</translation>
    </message>
    <message>
        <source>Add New Message</source>
        <translation>Ajouter un message</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>This is a backup of the radio %s, not of the connected radio %s.</source>
        <translation>Ceci est une sauvegarde de la radio %s, et non de la radio branchée %s.</translation>
    </message>
    <message>
        <source>Do you want to write the backup of the radio %s into the radio %s?</source>
        <translation>Voulez-vous écrire la sauvegarde de la radio %s dans la radio %s?</translation>
    </message>
    <message>
        <source>Writing it changes the radio as follows:

%s</source>
        <translation>L&apos;écriture modifie la radio comme suit :

%s</translation>
    </message>
    <message>
        <source>Writing it changes nothing in the radio.</source>
        <translation>L&apos;écriture ne change rien dans la radio.</translation>
    </message>
    <message>
        <source>Radio
Name
Model
Date
Time
Backup</source>
        <translation>Radio
Nom
Modèle
Date
Heure
Sauvegarde</translation>
    </message>
    <message>
        <source>Backup %s %s</source>
        <translation>Sauvegarde %s %s</translation>
    </message>
    <message>
        <source>The radio holds what it held when the backup %s was taken: that backup stays its backup.</source>
        <translation>La radio contient ce qu&apos;elle contenait lors de la sauvegarde %s : cette sauvegarde reste sa sauvegarde.</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Renvoi d'appel</translation>
    </message>
    <message>
        <source>Call Forward ID</source>
        <translation>ID de renvoi d'appel</translation>
    </message>
    <message>
        <source>Radio Disabled</source>
        <translation>Radio désactivée</translation>
    </message>
    <message>
        <source>%s: %s is also the PID of %s; the radio tells contacts of one type apart by their PID</source>
        <translation>%s&#xa0;: %s est aussi le PID de %s; la radio distingue les contacts d'un même type par leur PID</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s replies arrive garbled, even after repeated attempts. Check the programming cable: a damaged or too long cable, a loose plug or electrical noise nearby can cause this.</source>
        <translation>Erreur&#xa0;: les réponses de la radio arrivent altérées, même après plusieurs tentatives. Vérifiez le câble de programmation&#xa0;: un câble endommagé ou trop long, une fiche mal enfoncée ou des parasites électriques à proximité peuvent en être la cause.</translation>
    </message>
    <message>
        <source>Error: The chosen port is not a serial port (its path is not a terminal device). Choose the programming cable&apos;s port.</source>
        <translation>Erreur&#xa0;: le port choisi n&apos;est pas un port série (son chemin n&apos;est pas un terminal). Choisissez le port du câble de programmation.</translation>
    </message>
    <message>
        <source>A different radio is connected: the profile was written into the radio %s (firmware %s), but the radio that answered the check is %s (firmware %s). The write was not checked.</source>
        <translation>Une autre radio est connectée&#xa0;: le profil a été écrit dans la radio %s (micrologiciel %s), mais la radio qui a répondu à la vérification est %s (micrologiciel %s). L&apos;écriture n&apos;a pas été vérifiée.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Yes: write the profile again.
No: write the backup taken before the write back into the radio:
%s
Cancel: leave the radio as it is.</source>
        <translation>La radio ne contient pas ce qui a été écrit&#xa0;:

%s

Oui&#xa0;: écrire de nouveau le profil.
Non&#xa0;: réécrire dans la radio la sauvegarde faite avant l&apos;écriture&#xa0;:
%s
Annuler&#xa0;: laisser la radio telle quelle.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Do you want to write the profile again?</source>
        <translation>La radio ne contient pas ce qui a été écrit&#xa0;:

%s

Voulez-vous écrire de nouveau le profil&#xa0;?</translation>
    </message>
    <message>
        <source>The radio still does not hold what was written:

%s

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>La radio ne contient toujours pas ce qui a été écrit&#xa0;:

%s

Voulez-vous réécrire dans la radio la sauvegarde faite avant l&apos;écriture&#xa0;?
%s</translation>
    </message>
    <message>
        <source>The backup could not be written back, so the radio holds part of a profile. Restore it later, once the radio answers again, with Device &gt; Restore Backup... or zqvcps-cli restore, from:
%s</source>
        <translation>La sauvegarde n&apos;a pas pu être réécrite&#xa0;: la radio ne contient donc qu&apos;une partie d&apos;un profil. Restaurez-la plus tard, quand la radio répondra de nouveau, avec Radio &gt; Restaurer une sauvegarde... ou zqvcps-cli restore, depuis&#xa0;:
%s</translation>
    </message>
    <message>
        <source>Private ID: %s</source>
        <translation>ID privé&#xa0;: %s</translation>
    </message>
    <message>
        <source>The radio was reset.</source>
        <translation>La radio a été réinitialisée.</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>Annul&amp;er	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o	Ctrl+Y</source>
        <translation>Ré&amp;tablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Re&amp;venir à la version enregistrée</translation>
    </message>
    <message>
        <source>Take back the last change to the profile
Undo</source>
        <translation>Annuler la dernière modification du profil
Annuler</translation>
    </message>
    <message>
        <source>Make the change taken back last again
Redo</source>
        <translation>Refaire la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <source>Go back to the profile as it was last saved
Revert</source>
        <translation>Revenir au profil tel qu&apos;il a été enregistré la dernière fois
Revenir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %s	Ctrl+Z</source>
        <translation>Annul&amp;er %s	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o %s	Ctrl+Y</source>
        <translation>Ré&amp;tablir %s	Ctrl+Y</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Change &apos;%s&apos;</source>
        <translation>Modifier &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add &apos;%s&apos;</source>
        <translation>Ajouter &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Delete &apos;%s&apos;</source>
        <translation>Supprimer &apos;%s&apos;</translation>
    </message>
    <message>
        <source>All Contacts</source>
        <translation>Tous les contacts</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Private Group</source>
        <translation>Groupe privé</translation>
    </message>
    <message>
        <source>Public Group</source>
        <translation>Groupe public</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>Fi&amp;ltre :</translation>
    </message>
    <message>
        <source>Name or ID</source>
        <translation>Nom ou ID</translation>
    </message>
    <message>
        <source>&amp;Change selected:</source>
        <translation>&amp;Changer la sélection :</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Supprime&amp;r</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add to Private Group</source>
        <translation>Ajouter au groupe privé</translation>
    </message>
    <message>
        <source>Remove from Private Group</source>
        <translation>Retirer du groupe privé</translation>
    </message>
    <message>
        <source>Delete %d contacts?
Private contacts leave their private groups, and groups left without members are deleted.</source>
        <translation>Supprimer %d contacts ?
Les contacts privés quittent leurs groupes privés, et les groupes restés sans membres sont supprimés.</translation>
    </message>
    <message>
        <source>%d of %d contacts were left unchanged:</source>
        <translation>%d des %d contacts n&apos;ont pas été modifiés :</translation>
    </message>
    <message>
        <source>This does not apply to this kind of contact.</source>
        <translation>Ceci ne s&apos;applique pas à ce type de contact.</translation>
    </message>
    <message>
        <source>Left unchanged: the question was declined.</source>
        <translation>Non modifié : la question a été refusée.</translation>
    </message>
    <message>
        <source>This concerns %d of the selected contacts:

%s</source>
        <translation>Ceci concerne %d des contacts sélectionnés :

%s</translation>
    </message>
    <message>
        <source>Set channel %d on %d contacts</source>
        <translation>Régler le canal %d sur %d contacts</translation>
    </message>
    <message>
        <source>Set ringer %d on %d contacts</source>
        <translation>Régler la sonnerie %d sur %d contacts</translation>
    </message>
    <message>
        <source>Set %s to &apos;%s&apos; on %d contacts</source>
        <translation>Régler %s à &apos;%s&apos; sur %d contacts</translation>
    </message>
    <message>
        <source>Add %d contacts to &apos;%s&apos;</source>
        <translation>Ajouter %d contacts à &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Remove %d contacts from &apos;%s&apos;</source>
        <translation>Retirer %d contacts de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Delete %d contacts</source>
        <translation>Supprimer %d contacts</translation>
    </message>
    <message>
        <source>Rename &apos;%s&apos; to &apos;%s&apos;</source>
        <translation>Renommer &apos;%s&apos; en &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add %s to &apos;%s&apos;</source>
        <translation>Ajouter %s à &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Remove %s from &apos;%s&apos;</source>
        <translation>Retirer %s de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>%d contacts</source>
        <translation>%d contacts</translation>
    </message>
    <message>
        <source>Import &apos;%s&apos;</source>
        <translation>Importer &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Merge &apos;%s&apos;</source>
        <translation>Fusionner &apos;%s&apos;</translation>
    </message>
    <message>
        <source>The changes to %s since it was last saved can no longer be undone one by one. Discard them all and read the profile again from its file?</source>
        <translation>Les modifications de %s depuis le dernier enregistrement ne peuvent plus être annulées une à une. Les abandonner toutes et relire le profil depuis son fichier ?</translation>
    </message>
    <message>
        <source>Change %s of &apos;%s&apos;</source>
        <translation>Modifier %s de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add %s</source>
        <translation>Ajouter %s</translation>
    </message>
    <message>
        <source>&amp;Contacts Table</source>
        <translation>Tableau des &amp;contacts</translation>
    </message>
    <message>
        <source>Show every contact of the profile in one table
Contacts Table</source>
        <translation>Afficher tous les contacts du profil dans un tableau
Tableau des contacts</translation>
    </message>
    <message>
        <source>Written and checked</source>
        <translation>Écrit et vérifié</translation>
    </message>
    <message>
        <source>Written, not checked</source>
        <translation>Écrit, non vérifié</translation>
    </message>
    <message>
        <source>Check found differences</source>
        <translation>La vérification a trouvé des différences</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Fiche de travail</translation>
    </message>
    <message>
        <source>Customer: %s</source>
        <translation>Client : %s</translation>
    </message>
    <message>
        <source>Printed: %s</source>
        <translation>Imprimée le : %s</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Ce qui a changé</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Aucun changement</translation>
    </message>
    <message>
        <source>Not recorded (no backup was taken)</source>
        <translation>Non enregistré (aucune sauvegarde prise)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>List the writes into radios and print a job sheet
Write History</source>
        <translation>Liste les écritures dans les radios et imprime une fiche de travail
Historique des écritures</translation>
    </message>
    <message>
        <source>Com&amp;pare with Radio...</source>
        <translation>C&amp;omparer avec la radio...</translation>
    </message>
    <message>
        <source>Show what writing the active profile would change in the radio
Compare with Radio</source>
        <translation>Montre ce que l&apos;écriture du profil actif changerait dans la radio
Comparer avec la radio</translation>
    </message>
    <message>
        <source>Write History</source>
        <translation>Historique des écritures</translation>
    </message>
    <message>
        <source>&amp;Radio (ID or name):</source>
        <translation>&amp;Radio (ID ou nom) :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>R&amp;esult:</source>
        <translation>Rés&amp;ultat :</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <source>Unit ID</source>
        <translation>ID de l&apos;unité</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Print Job Sheet...</source>
        <translation>&amp;Imprimer la fiche...</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Client :</translation>
    </message>
    <message>
        <source>The write history %s cannot be opened:
%s</source>
        <translation>Impossible d&apos;ouvrir l&apos;historique des écritures %s :
%s</translation>
    </message>
    <message>
        <source>%s writes shown</source>
        <translation>%s écritures affichées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The job sheet could not be saved as %s:
%s</source>
        <translation>Impossible d&apos;enregistrer la fiche sous %s :
%s</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Comparer avec la radio</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>Dans la radio</translation>
    </message>
    <message>
        <source>In the profile</source>
        <translation>Dans le profil</translation>
    </message>
    <message>
        <source>The radio %s already holds this profile: writing it would change nothing.</source>
        <translation>La radio %s contient déjà ce profil : l&apos;écrire ne changerait rien.</translation>
    </message>
    <message>
        <source>Writing %s into the radio %s would change %s items:</source>
        <translation>Écrire %s dans la radio %s changerait %s éléments :</translation>
    </message>
    <message>
        <source>(not there)</source>
        <translation>(absent)</translation>
    </message>
    <message>
        <source>(there)</source>
        <translation>(présent)</translation>
    </message>
    <message>
        <source>The port exists</source>
        <translation>Le port existe</translation>
    </message>
    <message>
        <source>This user may open the port</source>
        <translation>Cet utilisateur peut ouvrir le port</translation>
    </message>
    <message>
        <source>No other program holds the port</source>
        <translation>Aucun autre programme n'occupe le port</translation>
    </message>
    <message>
        <source>The radio answers</source>
        <translation>La radio répond</translation>
    </message>
    <message>
        <source>The replies are well-formed</source>
        <translation>Les réponses sont correctes</translation>
    </message>
    <message>
        <source>The model and setting group are supported</source>
        <translation>Le modèle et le groupe de réglages sont pris en charge</translation>
    </message>
    <message>
        <source>[passed] %s</source>
        <translation>[réussi] %s</translation>
    </message>
    <message>
        <source>[FAILED] %s</source>
        <translation>[ÉCHEC] %s</translation>
    </message>
    <message>
        <source>No port is chosen and no serial port is present. Plug in the programming cable, then choose its port with Device &gt; Find Cable.</source>
        <translation>Aucun port n'est choisi et aucun port série n'est présent. Branchez le câble de programmation, puis choisissez son port avec Appareil &gt; Trouver le câble.</translation>
    </message>
    <message>
        <source>The port %s does not exist. Plug in the programming cable, or choose the port it uses with Device &gt; Find Cable.</source>
        <translation>Le port %s n'existe pas. Branchez le câble de programmation ou choisissez le port qu'il utilise avec Appareil &gt; Trouver le câble.</translation>
    </message>
    <message>
        <source>You may not open %s: the port belongs to the group "%s".</source>
        <translation>Vous ne pouvez pas ouvrir %s : le port appartient au groupe « %s ».</translation>
    </message>
    <message>
        <source>You are not a member of that group. Add yourself with this command, then log out and log in again:
%s</source>
        <translation>Vous n'êtes pas membre de ce groupe. Ajoutez-vous avec cette commande, puis fermez la session et ouvrez-la de nouveau :
%s</translation>
    </message>
    <message>
        <source>You are a member of that group, but this session started before you were added: log out and log in again.</source>
        <translation>Vous êtes membre de ce groupe, mais cette session a commencé avant votre ajout : fermez la session et ouvrez-la de nouveau.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is installed (%s): unplug the programming cable and plug it in again so that the rule applies to it.</source>
        <translation>La règle d'accès du câble de programmation est installée (%s) : débranchez le câble de programmation et rebranchez-le pour que la règle s'applique.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is not installed; installing the program's package installs it.</source>
        <translation>La règle d'accès du câble de programmation n'est pas installée; le paquet du programme l'installe.</translation>
    </message>
    <message>
        <source>Another program holds %s open: %s. Close that program, then try again.</source>
        <translation>Un autre programme garde %s ouvert : %s. Fermez ce programme, puis réessayez.</translation>
    </message>
    <message>
        <source>Another program holds %s, and the system does not say which. Close the programs that use serial ports, then try again.</source>
        <translation>Un autre programme occupe %s, et le système ne dit pas lequel. Fermez les programmes qui utilisent des ports série, puis réessayez.</translation>
    </message>
    <message>
        <source>%s (process ID %s)</source>
        <translation>%s (processus %s)</translation>
    </message>
    <message>
        <source>The radio does not answer on %s. Check that the radio is switched on, that the cable is pushed fully into the radio's programming socket, and that it is the programming cable for this radio.</source>
        <translation>La radio ne répond pas sur %s. Vérifiez que la radio est allumée, que le câble est bien enfoncé dans la prise de programmation de la radio et que c'est le câble de programmation de cette radio.</translation>
    </message>
    <message>
        <source>The radio answers on %s, but its replies arrive garbled. The cable is damaged or too long, or a plug is loose: try another programming cable, without an extension lead.</source>
        <translation>La radio répond sur %s, mais ses réponses arrivent brouillées. Le câble est abîmé ou trop long, ou une fiche a du jeu : essayez un autre câble de programmation, sans rallonge.</translation>
    </message>
    <message>
        <source>The radio has firmware %s, which this version of the program does not support. Ask your supplier for a version that supports it.</source>
        <translation>La radio a le micrologiciel %s, que cette version du programme ne prend pas en charge. Demandez à votre fournisseur une version qui le prend en charge.</translation>
    </message>
    <message>
        <source>The radio (model %s) is not one this program programs. Check that it belongs to this family of radios.</source>
        <translation>La radio (modèle %s) n'est pas de celles que ce programme programme. Vérifiez qu'elle appartient à cette famille de radios.</translation>
    </message>
    <message>
        <source>Every check passed: the radio on %s answers (model %s, firmware %s, setting group %s).</source>
        <translation>Toutes les vérifications ont réussi : la radio sur %s répond (modèle %s, micrologiciel %s, groupe de réglages %s).</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>Tester la conne&amp;xion...</translation>
    </message>
    <message>
        <source>To find out why, run: zqvcps-cli doctor --port %s</source>
        <translation>Pour en trouver la cause, lancez : zqvcps-cli doctor --port %s</translation>
    </message>
    <message>
        <source>Unplug the programming cable, then plug it in again. The port that goes and comes back is the cable's.</source>
        <translation>Débranchez le câble de programmation, puis rebranchez-le. Le port qui disparaît et revient est celui du câble.</translation>
    </message>
    <message>
        <source>Port|USB product|Vendor:product|Serial number|Programming cable|Held open by</source>
        <translation>Port|Produit USB|Fabricant:produit|Numéro de série|Câble de programmation|Ouvert par</translation>
    </message>
    <message>
        <source>%s went away.</source>
        <translation>%s a disparu.</translation>
    </message>
    <message>
        <source>%s came back: it is the cable's port.</source>
        <translation>%s est revenu : c'est le port du câble.</translation>
    </message>
    <message>
        <source>&amp;Use This Port</source>
        <translation>&amp;Utiliser ce port</translation>
    </message>
    <message>
        <source>From now on the program uses the port %s.</source>
        <translation>Désormais, le programme utilise le port %s.</translation>
    </message>
    <message>
        <source>The support bundle is one zip file with:
- the link traces of the last transfers;
- the program's version;
- the system: distribution, Qt and libxml2 versions;
- the configuration, without the dealer texts and the recent files;
- the last result of Test Connection;
- the open profile's model, firmware and counts.</source>
        <translation>Le paquet d'assistance est un fichier zip contenant :
- les traces de liaison des derniers transferts;
- la version du programme;
- le système : distribution, versions de Qt et de libxml2;
- la configuration, sans les textes du revendeur ni les fichiers récents;
- le dernier résultat de Tester la connexion;
- le modèle, le micrologiciel et les nombres d'éléments du profil ouvert.</translation>
    </message>
    <message>
        <source>Names, IDs and the codeplug password are left out: each frame of a trace keeps only its first four bytes.</source>
        <translation>Les noms, les ID et le mot de passe du codeplug sont exclus : chaque trame d'une trace ne garde que ses quatre premiers octets.</translation>
    </message>
    <message>
        <source>&amp;Include names and IDs: the profile's contacts and the traces' whole frames (which also carry the codeplug password)</source>
        <translation>&amp;Inclure les noms et les ID : les contacts du profil et les trames complètes des traces (qui contiennent aussi le mot de passe du codeplug)</translation>
    </message>
    <message>
        <source>The support bundle was saved as %s.</source>
        <translation>Le paquet d'assistance a été enregistré sous %s.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved as %s: %s</source>
        <translation>Le paquet d'assistance n'a pas pu être enregistré sous %s : %s</translation>
    </message>
    <message>
        <source>the zip file could not be made</source>
        <translation>le fichier zip n'a pas pu être créé</translation>
    </message>
    <message>
        <source>No link trace has been kept yet. Each transfer keeps one while "Keep a trace of each transfer" is ticked in Preference.</source>
        <translation>Aucune trace de liaison n'a encore été conservée. Chaque transfert en conserve une tant que « Conserver une trace de chaque transfert » est coché dans Préférences.</translation>
    </message>
    <message>
        <source>&amp;Keep a trace of each transfer (the last 10, in the cache folder)</source>
        <translation>&amp;Conserver une trace de chaque transfert (les 10 dernières, dans le dossier de cache)</translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation>&amp;Trouver le câble...</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>Tester la conne&amp;xion...</translation>
    </message>
    <message>
        <source>Open Last Link &amp;Trace</source>
        <translation>Ouvrir la dernière &amp;trace de liaison</translation>
    </message>
    <message>
        <source>Save Support B&amp;undle...</source>
        <translation>Enregistrer le paquet d'&amp;assistance...</translation>
    </message>
    <message>
        <source>List the serial ports and find the programming cable's port
Find Cable</source>
        <translation>Lister les ports série et trouver le port du câble de programmation
Trouver le câble</translation>
    </message>
    <message>
        <source>Check the cable, the port and the radio one step after the other
Test Connection</source>
        <translation>Vérifier le câble, le port et la radio étape par étape
Tester la connexion</translation>
    </message>
    <message>
        <source>Show the frames of the last transfer
Last Link Trace</source>
        <translation>Afficher les trames du dernier transfert
Dernière trace de liaison</translation>
    </message>
    <message>
        <source>Save one zip file to send in when a radio will not talk to the program
Save Support Bundle</source>
        <translation>Enregistrer un fichier zip à envoyer quand une radio ne communique pas avec le programme
Enregistrer le paquet d'assistance</translation>
    </message>
    <message>
        <source>Use %s for the radio from now on?</source>
        <translation>Utiliser %s pour la radio désormais?</translation>
    </message>
    <message>
        <source>%s; left out: %s</source>
        <translation>%s; omis : %s</translation>
    </message>
    <message>
        <source>This radio model has no &quot;%s&quot;.</source>
        <translation>Ce modèle de radio n&apos;a pas « %s ».</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>%s

This profile could not take everything that was pasted:
%s</source>
        <translation>%s

Ce profil n&apos;a pas pu accepter tout ce qui a été collé :
%s</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s : %s</translation>
    </message>
    <message>
        <source>... and %s more.</source>
        <translation>... et %s de plus.</translation>
    </message>
    <message>
        <source>Private group &quot;%s&quot; has no members</source>
        <translation>Le groupe privé &quot;%s&quot; n&apos;a aucun membre</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is in no private group</source>
        <translation>Le contact privé &quot;%s&quot; n&apos;appartient à aucun groupe privé</translation>
    </message>
    <message>
        <source>The scan list of channel %s holds %s public groups, the most it can hold is %s</source>
        <translation>La liste de balayage du canal %s contient %s groupes publics, elle n&apos;en accepte pas plus de %s</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is on channel %s, but its home group &quot;%s&quot; is on channel %s</source>
        <translation>Le contact privé &quot;%s&quot; est sur le canal %s, mais son groupe principal &quot;%s&quot; est sur le canal %s</translation>
    </message>
    <message>
        <source>&quot;%s&quot; has the same name as &quot;%s&quot; but for case or accents, so lists cannot tell them apart</source>
        <translation>&quot;%s&quot; porte le même nom que &quot;%s&quot; aux majuscules et accents près, les listes ne peuvent donc pas les distinguer</translation>
    </message>
    <message>
        <source>This profile has problems you should look at (the Problems panel lists them):

%s

Do you want to write the radio anyway?</source>
        <translation>Ce profil présente des problèmes à examiner (le volet Problèmes les liste)&#xa0;:

%s

Voulez-vous quand même écrire dans la radio?</translation>
    </message>
    <message>
        <source>Problems (%s)</source>
        <translation>Problèmes (%s)</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problèmes</translation>
    </message>
    <message>
        <source>Show or hide the problems of the profile below the form
Problems</source>
        <translation>Affiche ou masque les problèmes du profil sous le formulaire
Problèmes</translation>
    </message>
    <message>
        <source>&amp;Filter Tree	Ctrl+F</source>
        <translation>&amp;Filtrer l&apos;arborescence	Ctrl+F</translation>
    </message>
    <message>
        <source>Show only the tree nodes whose name or PID holds a text
Filter Tree</source>
        <translation>N&apos;affiche que les nœuds de l&apos;arborescence dont le nom ou le PID contient un texte
Filtrer l&apos;arborescence</translation>
    </message>
    <message>
        <source>Filter by name or PID</source>
        <translation>Filtrer par nom ou PID</translation>
    </message>
    <message>
        <source>Note: %s</source>
        <translation>Remarque&#xa0;: %s</translation>
    </message>
    <message>
        <source>Profile tree</source>
        <translation>Arborescence du profil</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Diffère</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Not written: the radio's own ID %s is in no private contact of the profile.</source>
        <translation>Non écrite : l'identifiant propre %s de la radio ne figure dans aucun contact privé du profil.</translation>
    </message>
    <message>
        <source>Not written: the run was not confirmed.</source>
        <translation>Non écrite : l'opération n'a pas été confirmée.</translation>
    </message>
    <message>
        <source>Stopped before it ended.</source>
        <translation>Arrêté avant la fin.</translation>
    </message>
    <message>
        <source>The radio has setting group %s, older than the profile's (%s): what it lacks is left out.</source>
        <translation>La radio a le groupe de réglages %s, plus ancien que celui du profil (%s) : ce qui lui manque est omis.</translation>
    </message>
    <message>
        <source>Holds what the profile gives it.</source>
        <translation>Contient ce que le profil lui donne.</translation>
    </message>
    <message>
        <source>%s differences</source>
        <translation>%s différences</translation>
    </message>
    <message>
        <source>Saved as %s</source>
        <translation>Enregistré sous %s</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Durée (s)</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>The backup was written back into the radio.</source>
        <translation>La sauvegarde a été réécrite dans la radio.</translation>
    </message>
    <message>
        <source>Write the profile into these %s radios?</source>
        <translation>Écrire le profil dans ces %s radios?</translation>
    </message>
    <message>
        <source>No radio to work on: no programming cable is connected.</source>
        <translation>Aucune radio à traiter : aucun câble de programmation n'est branché.</translation>
    </message>
    <message>
        <source>Context &amp;Help	F1</source>
        <translation>Aide &amp;contextuelle	F1</translation>
    </message>
    <message>
        <source>Open the help at the topic of the field or list that has the focus
Context Help</source>
        <translation>Ouvre l&apos;aide au sujet du champ ou de la liste qui a le focus
Aide contextuelle</translation>
    </message>
    <message>
        <source>%s s left</source>
        <translation>%s s restantes</translation>
    </message>
    <message>
        <source>%s min %s s left</source>
        <translation>%s min %s s restantes</translation>
    </message>
    <message>
        <source>Writing %s changes these radios. Each radio is backed up before the write and checked after it.</source>
        <translation>L&apos;écriture de %s modifie ces radios. Chaque radio est sauvegardée avant l&apos;écriture et vérifiée ensuite.</translation>
    </message>
    <message>
        <source>%s changes</source>
        <translation>%s changements</translation>
    </message>
    <message>
        <source>Nothing changes</source>
        <translation>Aucun changement</translation>
    </message>
    <message>
        <source>Waiting for the confirmation</source>
        <translation>En attente de la confirmation</translation>
    </message>
    <message>
        <source>Add %s radios as contacts</source>
        <translation>Ajouter %s radios comme contacts</translation>
    </message>
    <message>
        <source>The radio on %s (unit ID %s) asks for its codeplug password. The radios that follow are tried with the same password first.</source>
        <translation>La radio sur %s (ID de l&apos;unité %s) demande son mot de passe de codeplug. Les radios suivantes sont d&apos;abord essayées avec le même mot de passe.</translation>
    </message>
    <message>
        <source>The run table could not be saved as %s:
%s</source>
        <translation>Le tableau de l&apos;exécution n&apos;a pas pu être enregistré sous %s :
%s</translation>
    </message>
    <message>
        <source>%s radios</source>
        <translation>%s radios</translation>
    </message>
    <message>
        <source>Fleet Run</source>
        <translation>Exécution en flotte</translation>
    </message>
    <message>
        <source>No programming cable found. Plug in the cables: each one shows here as a row.</source>
        <translation>Aucun câble de programmation trouvé. Branchez les câbles : chacun s&apos;affiche ici sur une ligne.</translation>
    </message>
    <message>
        <source>Open a profile to check or write radios.</source>
        <translation>Ouvrez un profil pour vérifier ou écrire des radios.</translation>
    </message>
    <message>
        <source>&amp;Fleet...</source>
        <translation>&amp;Flotte...</translation>
    </message>
    <message>
        <source>Read, check or write many radios at once, one per cable
Fleet</source>
        <translation>Lire, vérifier ou écrire plusieurs radios à la fois, une par câble
Flotte</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flotte</translation>
    </message>
    <message>
        <source>Port|Unit ID|Name|Firmware|Group|Progress|Time left|Status</source>
        <translation>Port|ID de l&apos;unité|Nom|Micrologiciel|Groupe|Progression|Temps restant|État</translation>
    </message>
    <message>
        <source>&amp;Read All</source>
        <translation>Tout &amp;lire</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Tout &amp;vérifier</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>Tout é&amp;crire</translation>
    </message>
    <message>
        <source>&amp;Read Selected</source>
        <translation>&amp;Lire la sélection</translation>
    </message>
    <message>
        <source>&amp;Check Selected</source>
        <translation>&amp;Vérifier la sélection</translation>
    </message>
    <message>
        <source>&amp;Write Selected</source>
        <translation>É&amp;crire la sélection</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Add to Profile</source>
        <translation>A&amp;jouter au profil</translation>
    </message>
    <message>
        <source>Read &amp;into:</source>
        <translation>Lire &amp;dans :</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV...</source>
        <translation>E&amp;nregistrer en CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Last run:</source>
        <translation>Dernière exécution :</translation>
    </message>
    <message>
        <source>Choose the folder the radios are read into</source>
        <translation>Choisissez le dossier dans lequel les radios sont lues</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>A&amp;pparence :</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Suivre le bureau</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contraste élevé</translation>
    </message>
</context>
</TS>
