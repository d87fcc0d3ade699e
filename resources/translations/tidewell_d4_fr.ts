<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AutoCustomSetup</name>
    <message>
        <source>Plan Index</source>
        <translation>N° du plan</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Plan Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>AutoModeUnit</name>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plans</translation>
    </message>
</context>
<context>
    <name>AutoPublicSetup</name>
    <message>
        <source>Pump Name</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pompe 1</translation>
    </message>
    <message>
        <source>Channel On/Off</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Pump Gears</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Precise</source>
        <translation>Précise</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Run Mode</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Reagent </source>
        <translation>Additif </translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>2 day</source>
        <translation>2 jours</translation>
    </message>
    <message>
        <source>3 day</source>
        <translation>3 jours</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
</context>
<context>
    <name>AutoSetupParameter</name>
    <message>
        <source>Dose timess</source>
        <translation>Doses/jour</translation>
    </message>
    <message>
        <source>Dose Volume</source>
        <translation>Volume total</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Per Dose</source>
        <translation>Par dose</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>The pump holds a volume that cannot be shown; Save writes the value shown.</source>
        <translation>La pompe contient un volume qui ne peut pas être affiché&#xa0;; Enregistrer écrira la valeur affichée.</translation>
    </message>
</context>
<context>
    <name>DeviceTabs</name>
    <message>
        <source>The changes on %1 have not been saved to the pump. Discard them?</source>
        <translation>Les modifications de %1 n&apos;ont pas été enregistrées dans la pompe. Les abandonner ?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Software Version </source>
        <translation>Version du logiciel </translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump control software</source>
        <translation>Logiciel de commande de la pompe doseuse Tidewell D4</translation>
    </message>
</context>
<context>
    <name>DialogChemicalInter</name>
    <message>
        <source>Chemical Interval</source>
        <translation>Intervalle entre dosages</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pompe 1</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>Pompe 2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>Pompe 3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>Pompe 4</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DialogIpPort</name>
    <message>
        <source>IP and PORT setup</source>
        <translation>Réglage IP et port</translation>
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
        <translation>Reconnecter</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>IP: &quot;%1&quot; is neither an IPv4 address nor a host name.</source>
        <translation>IP : « %1 » n&apos;est ni une adresse IPv4 ni un nom d&apos;hôte.</translation>
    </message>
    <message>
        <source>PORT: &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>Port : « %1 » n&apos;est pas un nombre de 1 à 65535.</translation>
    </message>
</context>
<context>
    <name>DialogLogin</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>Net Setup</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DialogPassword</name>
    <message>
        <source>Password Setup</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Ancien mot de passe</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The new password can only use ASCII characters: English letters, digits and the common symbols.</source>
        <translation>Le nouveau mot de passe ne peut contenir que des caractères ASCII&#xa0;: lettres sans accents, chiffres et symboles courants.</translation>
    </message>
</context>
<context>
    <name>DialogPumpName</name>
    <message>
        <source>Pump Name Setup</source>
        <translation>Noms des pompes</translation>
    </message>
    <message>
        <source>Pump1</source>
        <translation>Pompe 1</translation>
    </message>
    <message>
        <source>Pump2</source>
        <translation>Pompe 2</translation>
    </message>
    <message>
        <source>Pump3</source>
        <translation>Pompe 3</translation>
    </message>
    <message>
        <source>Pump4</source>
        <translation>Pompe 4</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Channel names of %1</source>
        <translation>Noms des canaux de %1</translation>
    </message>
</context>
<context>
    <name>DialogSetupFile</name>
    <message>
        <source>Pump</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>%v / %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Read and Compare</source>
        <translation>Lire et comparer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore Setup</source>
        <translation>Restaurer la configuration</translation>
    </message>
    <message>
        <source>Backup Setup</source>
        <translation>Sauvegarder la configuration</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Tidewell setup (*.tidewell.json)</source>
        <translation>Configuration Tidewell (*.tidewell.json)</translation>
    </message>
    <message>
        <source>Choose a file to save the setup in.</source>
        <translation>Choisissez le fichier dans lequel enregistrer la configuration.</translation>
    </message>
    <message>
        <source>The pumps are busy; try again when the current operation has finished.</source>
        <translation>Les pompes sont occupées ; réessayez une fois l&apos;opération en cours terminée.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>%1 did not answer; no file was written.</source>
        <translation>%1 n&apos;a pas répondu ; aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The setup of %1 is saved in %2.</source>
        <translation>La configuration de %1 est enregistrée dans %2.</translation>
    </message>
    <message>
        <source>This file was saved from the pump at address %1; %2 is at address %3. Restore it to %2 all the same?</source>
        <translation>Ce fichier a été enregistré depuis la pompe à l&apos;adresse %1 ; %2 est à l&apos;adresse %3. Le restaurer quand même sur %2 ?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This file was saved under firmware %1 (build %2); %3 runs firmware %4 (build %5). Restore it all the same?</source>
        <translation>Ce fichier a été enregistré avec le firmware %1 (build %2) ; %3 utilise le firmware %4 (build %5). Le restaurer quand même ?</translation>
    </message>
    <message>
        <source>%1 did not answer; nothing was written.</source>
        <translation>%1 n&apos;a pas répondu ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Depuis le fichier</translation>
    </message>
    <message>
        <source>Nothing to change</source>
        <translation>Rien à modifier</translation>
    </message>
    <message>
        <source>%1 already holds the setup of this file.</source>
        <translation>%1 contient déjà la configuration de ce fichier.</translation>
    </message>
    <message>
        <source>Press Restore to write these changes to %1.</source>
        <translation>Appuyez sur Restaurer pour écrire ces modifications dans %1.</translation>
    </message>
    <message>
        <source>Writing to %1...</source>
        <translation>Écriture dans %1...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Restored: %1 holds every setting of the file.</source>
        <translation>Restauration terminée : %1 contient tous les réglages du fichier.</translation>
    </message>
    <message>
        <source>The restore stopped: %1 did not answer. Written: %2. Not written: %3. The pump was not told to take the new settings; restore again to finish.</source>
        <translation>La restauration s&apos;est arrêtée : %1 n&apos;a pas répondu. Écrit : %2. Non écrit : %3. La pompe n&apos;a pas reçu l&apos;ordre d&apos;appliquer les nouveaux réglages ; restaurez à nouveau pour terminer.</translation>
    </message>
    <message>
        <source>Every setting was written, but %1 did not confirm taking them; restore again to finish.</source>
        <translation>Tous les réglages ont été écrits, mais %1 n&apos;a pas confirmé les avoir appliqués ; restaurez à nouveau pour terminer.</translation>
    </message>
    <message>
        <source>The setup was written to %1, but reading it back failed, so it is not checked. Read the pages to see what the pump holds.</source>
        <translation>La configuration a été écrite dans %1, mais la relecture a échoué ; elle n&apos;est donc pas vérifiée. Lisez les pages pour voir ce que contient la pompe.</translation>
    </message>
    <message>
        <source>After the restore %1 holds other values than the file in: %2.</source>
        <translation>Après la restauration, %1 contient des valeurs différentes du fichier pour : %2.</translation>
    </message>
</context>
<context>
    <name>DialogWaiting</name>
    <message>
        <source>Dialog</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>request %1 of %2</source>
        <translation>requête %1 sur %2</translation>
    </message>
</context>
<context>
    <name>DoseQuestions</name>
    <message>
        <source>%1 (channel %2), %3: %4 ml per dosing day; the quick setup allows at most %5 ml a day for a %6 l aquarium.</source>
        <translation>%1 (canal %2), %3 : %4 ml par jour de dosage ; la configuration rapide autorise au plus %5 ml par jour pour un aquarium de %6 l.</translation>
    </message>
    <message>
        <source>Above the maximum daily dose:

%1

Too much can harm the animals in the tank. Send it to the pump anyway?</source>
        <translation>Au-dessus de la dose journalière maximale :

%1

Une dose excessive peut nuire aux animaux du bac. L&apos;envoyer quand même à la pompe ?</translation>
    </message>
    <message>
        <source>Send Anyway</source>
        <translation>Envoyer quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On, custom plans</source>
        <translation>Marche, plans personnalisés</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>chaque jour</translation>
    </message>
    <message>
        <source>every %1 days</source>
        <translation>tous les %1 jours</translation>
    </message>
    <message>
        <source>no day of the week</source>
        <translation>aucun jour de la semaine</translation>
    </message>
    <message>
        <source>%1 ml per dosing day</source>
        <translation>%1 ml par jour de dosage</translation>
    </message>
    <message>
        <source>no dose</source>
        <translation>aucune dose</translation>
    </message>
    <message>
        <source>%1 x %2 ml at %3</source>
        <translation>%1 × %2 ml à %3</translation>
    </message>
    <message>
        <source>%1 %2 ml</source>
        <translation>%1 %2 ml</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Setup replaces the whole automatic programme of the master pump. What changes is in bold.</source>
        <translation>La configuration remplace tout le programme automatique de la pompe maître. Ce qui change est en gras.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>After Setup</source>
        <translation>Après configuration</translation>
    </message>
    <message>
        <source>Write this programme to the pump?</source>
        <translation>Écrire ce programme dans la pompe ?</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
</context>
<context>
    <name>DoseSetGroup</name>
    <message>
        <source>Auto Dose</source>
        <translation>Dosage automatique</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1 (channel %2) is On, but its stop time is not after its start time, so it has no doses per day. Choose a later stop time. Nothing was saved.</source>
        <translation>%1 (canal %2) est en marche, mais son heure de fin n&apos;est pas postérieure à son heure de début&#xa0;: il n&apos;a donc aucune dose par jour. Choisissez une heure de fin plus tardive. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Information</translation>
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
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>Fichier du micrologiciel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Erase Setup Information</source>
        <translation>Effacer les réglages</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Open Binary File</source>
        <translation>Ouvrir un fichier binaire</translation>
    </message>
    <message>
        <source>Binary File(*.bin)</source>
        <translation>Fichier binaire (*.bin)</translation>
    </message>
    <message>
        <source>Application connect successfully</source>
        <translation>Connexion au chargeur d&apos;amorçage établie</translation>
    </message>
    <message>
        <source>Operate Failed</source>
        <translation>Échec de l&apos;opération</translation>
    </message>
    <message>
        <source>Erase Application successfully</source>
        <translation>Micrologiciel effacé</translation>
    </message>
    <message>
        <source>Application Download successfully</source>
        <translation>Transfert du micrologiciel réussi</translation>
    </message>
    <message>
        <source>Application Download failed</source>
        <translation>Échec du transfert du micrologiciel</translation>
    </message>
    <message>
        <source>Application Verify successfully</source>
        <translation>Vérification du micrologiciel réussie</translation>
    </message>
    <message>
        <source>Application Verify failed</source>
        <translation>Échec de la vérification du micrologiciel</translation>
    </message>
    <message>
        <source>Master pump firmware now</source>
        <translation>Micrologiciel actuel de la pompe maître</translation>
    </message>
    <message>
        <source>Application version not read</source>
        <translation>Version de l&apos;application non lue</translation>
    </message>
    <message>
        <source>Boot version not read</source>
        <translation>Version du chargeur de démarrage non lue</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The file %1 is empty. Please choose a firmware file.</source>
        <translation>Le fichier %1 est vide. Veuillez choisir un fichier de micrologiciel.</translation>
    </message>
    <message>
        <source>The connection is busy. Please choose the file again in a moment.</source>
        <translation>La connexion est occupée. Veuillez choisir à nouveau le fichier dans un instant.</translation>
    </message>
    <message>
        <source>Upgrade the master pump with the firmware file %1?

Size: %2 bytes, sent as %3 blocks of 128 bytes.</source>
        <translation>Mettre à jour la pompe maître avec le fichier de micrologiciel %1 ?

Taille : %2 octets, envoyés en %3 blocs de 128 octets.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&quot;Erase Setup Information&quot; is ticked: the upgrade also erases every setting stored in the master pump.

Erase the settings of the master pump?</source>
        <translation>« Effacer les réglages » est coché : la mise à jour efface aussi tous les réglages enregistrés dans la pompe maître.

Effacer les réglages de la pompe maître ?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>The file stays chosen: press Upgrade to try again.</source>
        <translation>Le fichier reste choisi : appuyez sur Mettre à jour pour réessayer.</translation>
    </message>
    <message>
        <source>Switch into the boot loader</source>
        <translation>Passage au chargeur de démarrage</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Start the application</source>
        <translation>Démarrage de l&apos;application</translation>
    </message>
    <message>
        <source>no reason was reported</source>
        <translation>aucune raison n&apos;a été signalée</translation>
    </message>
    <message>
        <source>the pump did not answer (%1 attempts)</source>
        <translation>la pompe n&apos;a pas répondu (%1 tentatives)</translation>
    </message>
    <message>
        <source>the pump did not answer</source>
        <translation>la pompe n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the pump refused the command (%1 attempts)</source>
        <translation>la pompe a refusé la commande (%1 tentatives)</translation>
    </message>
    <message>
        <source>the pump did not start its boot loader</source>
        <translation>la pompe n&apos;a pas démarré son chargeur de démarrage</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times</source>
        <translation>le bloc %1 a été refusé %2 fois</translation>
    </message>
    <message>
        <source>block %1 was not acknowledged (%2 attempts)</source>
        <translation>le bloc %1 n&apos;a pas été acquitté (%2 tentatives)</translation>
    </message>
    <message>
        <source>block %1 was refused %2 times and not acknowledged %3 times</source>
        <translation>le bloc %1 a été refusé %2 fois et n&apos;a pas été acquitté %3 fois</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times</source>
        <translation>le bloc %1 est revenu endommagé %2 fois</translation>
    </message>
    <message>
        <source>block %1 did not come back (%2 attempts)</source>
        <translation>le bloc %1 n&apos;est pas revenu (%2 tentatives)</translation>
    </message>
    <message>
        <source>block %1 came back damaged %2 times and did not come %3 times</source>
        <translation>le bloc %1 est revenu endommagé %2 fois et n&apos;est pas revenu %3 fois</translation>
    </message>
    <message>
        <source>verification mismatch at block %1</source>
        <translation>différence à la vérification au bloc %1</translation>
    </message>
    <message>
        <source>no firmware file is loaded</source>
        <translation>aucun fichier de micrologiciel n&apos;est chargé</translation>
    </message>
    <message>
        <source>the connection is busy or down</source>
        <translation>la connexion est occupée ou coupée</translation>
    </message>
    <message>
        <source>the connection to the pump was lost</source>
        <translation>la connexion avec la pompe a été perdue</translation>
    </message>
    <message>
        <source>%1 failed: %2.</source>
        <translation>%1 a échoué : %2.</translation>
    </message>
    <message>
        <source>The master pump does not answer as a boot loader: it is probably running its application.

Restart it into its boot loader now and go on with the upgrade?</source>
        <translation>La pompe maître ne répond pas comme chargeur de démarrage : elle exécute probablement son application.

La redémarrer maintenant dans son chargeur de démarrage et poursuivre la mise à jour ?</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Restarting the master pump into its boot loader</source>
        <translation>Redémarrage de la pompe maître dans son chargeur de démarrage</translation>
    </message>
    <message>
        <source>Save the master&apos;s settings in a setup file before the upgrade erases them? Restore Setup in the File menu brings them back.</source>
        <translation>Enregistrer les réglages de la pompe maître dans un fichier de configuration avant que la mise à jour ne les efface ? « Restaurer la configuration... » du menu Fichier les rétablit.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Sauvegarder...</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>No backup was saved. Erase the settings of the master pump all the same?</source>
        <translation>Aucune sauvegarde n&apos;a été enregistrée. Effacer quand même les réglages de la pompe maître ?</translation>
    </message>
</context>
<context>
    <name>LinkStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Connecting... next try %1</source>
        <translation>Connexion... prochain essai %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>%1 not answering</source>
        <translation>%1 ne répond pas</translation>
    </message>
    <message>
        <source>%1 read %2</source>
        <translation>%1 lu à %2</translation>
    </message>
</context>
<context>
    <name>LiquidStatus</name>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>LiquidStatusUnit</name>
    <message>
        <source>Pump Name</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Liquid Left</source>
        <translation>Volume restant</translation>
    </message>
    <message>
        <source>Days Left</source>
        <translation>Jours restants</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Refill</source>
        <translation>Remplir</translation>
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
        <translation>Pompe doseuse</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Pump Name</source>
        <translation>Noms des pompes</translation>
    </message>
    <message>
        <source>Chemical Interval</source>
        <translation>Intervalle entre dosages</translation>
    </message>
    <message>
        <source>Ip and port</source>
        <translation>IP et port</translation>
    </message>
    <message>
        <source>Restore setup</source>
        <translation>Réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Display prompt</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Fireware upgrade</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Slave Setup</source>
        <translation>Réglage des esclaves</translation>
    </message>
    <message>
        <source>Time/Temp</source>
        <translation>Heure/Temp.</translation>
    </message>
    <message>
        <source>Dose Settings</source>
        <translation>Réglages dosage</translation>
    </message>
    <message>
        <source>Manual/Calibration</source>
        <translation>Manuel/Étalonnage</translation>
    </message>
    <message>
        <source>Liquid Status</source>
        <translation>État des flacons</translation>
    </message>
    <message>
        <source>Quik Setup</source>
        <translation>Config. rapide</translation>
    </message>
    <message>
        <source>Liquid sensor</source>
        <translation>Capteur de niveau</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>MàJ micrologiciel</translation>
    </message>
    <message>
        <source>Tidewell D4 dosing pump</source>
        <translation>Pompe doseuse Tidewell D4</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>%1 did not answer; its pages are disabled</source>
        <translation>%1 n&apos;a pas répondu ; ses pages sont désactivées</translation>
    </message>
    <message>
        <source>%1 did not answer; their pages are disabled</source>
        <translation>%1 n&apos;ont pas répondu ; leurs pages sont désactivées</translation>
    </message>
    <message>
        <source>Backup Setup...</source>
        <translation>Sauvegarder la configuration...</translation>
    </message>
    <message>
        <source>Restore Setup...</source>
        <translation>Restaurer la configuration...</translation>
    </message>
    <message>
        <source>Quiet confirmations</source>
        <translation>Confirmations discrètes</translation>
    </message>
    <message>
        <source>These pages have changes that have not been saved to the pump: %1. Discard them?</source>
        <translation>Ces pages contiennent des modifications non enregistrées dans la pompe : %1. Les abandonner ?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Warnings: %1</source>
        <translation>Alertes : %1</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>Aucune alerte</translation>
    </message>
    <message>
        <source>Show the overview</source>
        <translation>Afficher la vue d&apos;ensemble</translation>
    </message>
</context>
<context>
    <name>ManuControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Dosage manuel</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Calibration mode</source>
        <translation>Mode étalonnage</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Run for</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source> S</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Work Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>0 S</source>
        <translation>0 s</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Volume mesuré</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Everage Flow</source>
        <translation>Débit moyen</translation>
    </message>
    <message>
        <source>0.00 ml/min</source>
        <translation>0.00 ml/min</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
        <translation>Faites d&apos;abord fonctionner l&apos;étalonnage de cette pompe jusqu&apos;au bout à sa vitesse actuelle, puis saisissez le volume délivré.</translation>
    </message>
    <message>
        <source>Enter the volume the pump delivered before saving.</source>
        <translation>Saisissez le volume délivré par la pompe avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>ManualControlUnit</name>
    <message>
        <source>Pump</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>Débit précis</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>Débit moyen</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>Débit rapide</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1: a run of %2 ml is more than the %3 ml left in its bottle. The bottle may run empty before the run ends. Start it anyway?</source>
        <translation>%1 : un dosage de %2 ml dépasse les %3 ml restants dans le flacon. Le flacon peut se vider avant la fin. Démarrer quand même ?</translation>
    </message>
    <message>
        <source>Start Anyway</source>
        <translation>Démarrer quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>Setting Saved Successfully</source>
        <translation>Les réglages ont été enregistrés.</translation>
    </message>
    <message>
        <source>Failed to Save Setting</source>
        <translation>Échec de l&apos;enregistrement des réglages.</translation>
    </message>
    <message>
        <source>Read setting Successfully</source>
        <translation>Les réglages ont été lus.</translation>
    </message>
    <message>
        <source>Failed to read the setting</source>
        <translation>Échec de la lecture des réglages.</translation>
    </message>
    <message>
        <source>Reconnect successfully</source>
        <translation>Reconnexion réussie.</translation>
    </message>
    <message>
        <source>Network connection error, please check your Internet setting</source>
        <translation>Erreur de connexion réseau, veuillez vérifier vos réglages réseau.</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>The old password is wrong</source>
        <translation>L&apos;ancien mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>The two passwords you enter do not match</source>
        <translation>Les deux mots de passe saisis ne correspondent pas.</translation>
    </message>
    <message>
        <source>New password length must be shorter than 7</source>
        <translation>Le nouveau mot de passe doit comporter au plus 6 caractères.</translation>
    </message>
    <message>
        <source>New password length can not be empty</source>
        <translation>Le nouveau mot de passe ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Setting password successfully</source>
        <translation>Le mot de passe a été modifié.</translation>
    </message>
    <message>
        <source>There is no data needs to be saved</source>
        <translation>Il n&apos;y a aucune donnée à enregistrer.</translation>
    </message>
    <message>
        <source>Restore Factory Setting Successfully, the software will restart</source>
        <translation>Les réglages d&apos;usine ont été restaurés, le logiciel va redémarrer.</translation>
    </message>
    <message>
        <source>Stop running, Please enter the volume of solution</source>
        <translation>La pompe s&apos;est arrêtée. Veuillez saisir le volume de solution délivré.</translation>
    </message>
    <message>
        <source>Setting plan &apos;s titer beyond range</source>
        <translation>Le volume du plan est hors de la plage autorisée.</translation>
    </message>
    <message>
        <source>Index error for setting plan</source>
        <translation>Numéro de plan incorrect.</translation>
    </message>
    <message>
        <source>Anti-chemical interference can not be more than 55 minutes</source>
        <translation>La somme des intervalles entre dosages ne peut pas dépasser 55 minutes.</translation>
    </message>
    <message>
        <source>If you choose to delete the “setting information” ,After upgrade , All previously setting information will disappear , Strongly recommended not to choose</source>
        <translation>Si vous cochez «&#xa0;Effacer les réglages&#xa0;», tous les réglages précédents seront perdus après la mise à jour. Il est fortement recommandé de ne pas cocher cette option.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Okey</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Read the original parameters of Auto Liquid Adding setting</source>
        <translation>Lire les réglages du dosage automatique enregistrés dans la pompe</translation>
    </message>
    <message>
        <source>Save the Auto liquid adding setup</source>
        <translation>Enregistrer les réglages du dosage automatique dans la pompe</translation>
    </message>
    <message>
        <source>Read the setting parameters of solution bottle</source>
        <translation>Lire les réglages des flacons de solution</translation>
    </message>
    <message>
        <source>Save the setting parameters of solution bottle</source>
        <translation>Enregistrer les réglages des flacons de solution</translation>
    </message>
    <message>
        <source>Time and temperature setting interface</source>
        <translation>Réglage de l&apos;heure et de la température</translation>
    </message>
    <message>
        <source>Auto Dose setup interface, if you switch to other interface, the settings may change</source>
        <translation>Réglage du dosage automatique&#xa0;; si vous passez à une autre page, les réglages peuvent changer</translation>
    </message>
    <message>
        <source>Manual Control and Calibration interface</source>
        <translation>Dosage manuel et étalonnage</translation>
    </message>
    <message>
        <source>Status setting and checking interface of Solution bottle</source>
        <translation>Réglage et contrôle de l&apos;état des flacons de solution</translation>
    </message>
    <message>
        <source>Quickly setting interface</source>
        <translation>Configuration rapide</translation>
    </message>
    <message>
        <source>Read temperature in the past 24 hours</source>
        <translation>Lire la température des dernières 24 heures</translation>
    </message>
    <message>
        <source>Read the original parameters of temperature setting</source>
        <translation>Lire les réglages de température enregistrés dans la pompe</translation>
    </message>
    <message>
        <source>Save the parameters of  temperature setting</source>
        <translation>Enregistrer les réglages de température</translation>
    </message>
    <message>
        <source>Last update time</source>
        <translation>Heure de la dernière mise à jour</translation>
    </message>
    <message>
        <source>Confirm to restore factory setting? The software will restart after resetting</source>
        <translation>Restaurer les réglages d&apos;usine&#xa0;? Le logiciel redémarrera ensuite.</translation>
    </message>
    <message>
        <source>Language changed successfully, do you want to restart the software now?</source>
        <translation>La langue a été changée. Voulez-vous redémarrer le logiciel maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Plan Index</source>
        <translation>Numéro du plan</translation>
    </message>
    <message>
        <source>Start time for plan</source>
        <translation>Heure de début du plan</translation>
    </message>
    <message>
        <source>Preset dosing volume</source>
        <translation>Volume à doser</translation>
    </message>
    <message>
        <source>Add or edit a plan</source>
        <translation>Ajouter ou modifier un plan</translation>
    </message>
    <message>
        <source>Delete a plan</source>
        <translation>Supprimer un plan</translation>
    </message>
    <message>
        <source>Checking the status of liquid sensor</source>
        <translation>Contrôle de l&apos;état des capteurs de niveau</translation>
    </message>
    <message>
        <source>Reading the status information for liquid sensor</source>
        <translation>Lire l&apos;état des capteurs de niveau</translation>
    </message>
    <message>
        <source>Erase the setting information when update software , Strongly recommended not to choose</source>
        <translation>Efface les réglages lors de la mise à jour&#xa0;; fortement déconseillé</translation>
    </message>
    <message>
        <source>Open a binary file</source>
        <translation>Ouvrir un fichier binaire</translation>
    </message>
    <message>
        <source>Update program</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
</context>
<context>
    <name>OfflineCover</name>
    <message>
        <source>This pump did not answer when it was read, so none of its values are known.</source>
        <translation>Cette pompe n&apos;a pas répondu à la lecture, aucune de ses valeurs n&apos;est donc connue.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Last try %1</source>
        <translation>Dernier essai : %1</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Warn when a bottle has days left:</source>
        <translation>Alerter à jours restants :</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>Tout lire</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Jours rest.</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Custom plans</source>
        <translation>Plans personnalisés</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Every 2 days</source>
        <translation>Tous les 2 jours</translation>
    </message>
    <message>
        <source>Every 3 days</source>
        <translation>Tous les 3 jours</translation>
    </message>
    <message>
        <source>No week day</source>
        <translation>Aucun jour</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Mode inconnu</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>No dose</source>
        <translation>Aucune dose</translation>
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
        <translation>Flacon bas</translation>
    </message>
    <message>
        <source>Sensor low</source>
        <translation>Capteur bas</translation>
    </message>
    <message>
        <source>Above maximum</source>
        <translation>Au-dessus du maximum</translation>
    </message>
    <message>
        <source>%1 · offline: it did not answer its last read</source>
        <translation>%1 · hors ligne : pas de réponse à la dernière lecture</translation>
    </message>
    <message>
        <source>clock %1, %2</source>
        <translation>horloge %1, %2</translation>
    </message>
    <message>
        <source>clock not set</source>
        <translation>horloge non réglée</translation>
    </message>
    <message>
        <source>%1 · Clock wrong</source>
        <translation>%1 · Horloge fausse</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>%1 ml left of %2 ml</source>
        <translation>%1 ml restants sur %2 ml</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 a day is above the maximum of %2</source>
        <translation>%1 par jour dépasse le maximum de %2</translation>
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
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>same time as the PC</source>
        <translation>même heure que le PC</translation>
    </message>
    <message>
        <source>%1 ahead of the PC</source>
        <translation>%1 d&apos;avance sur le PC</translation>
    </message>
    <message>
        <source>%1 behind the PC</source>
        <translation>%1 de retard sur le PC</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 n&apos;a pas répondu</translation>
    </message>
</context>
<context>
    <name>ParameterSetup</name>
    <message>
        <source>用户输入</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>海缸总体积(L)</source>
        <translation>Volume total du bac (L)</translation>
    </message>
    <message>
        <source>钙提升量(PPM)</source>
        <translation>Consommation Ca (ppm)</translation>
    </message>
    <message>
        <source>镁提升量(PPM)</source>
        <translation>Consommation Mg (ppm)</translation>
    </message>
    <message>
        <source>KH提升量(dKH)</source>
        <translation>Consommation KH (dKH)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>建议参数</source>
        <translation>Doses conseillées</translation>
    </message>
    <message>
        <source>推荐滴定量</source>
        <translation>Dose conseillée</translation>
    </message>
    <message>
        <source>最大滴定量</source>
        <translation>Dose maximale</translation>
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
        <translation>Magnésium (ml)</translation>
    </message>
    <message>
        <source>阴阳水滴定量(ml)</source>
        <translation>Bi-composant (ml)</translation>
    </message>
    <message>
        <source>锶滴定量(ml)</source>
        <translation>Strontium (ml)</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>ReadOutSplash</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
</context>
<context>
    <name>SensorStatusSetup</name>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source> Reading status</source>
        <translation> Lire l&apos;état</translation>
    </message>
    <message>
        <source>Sensor4</source>
        <translation>Capteur 4</translation>
    </message>
    <message>
        <source>Sensor3</source>
        <translation>Capteur 3</translation>
    </message>
    <message>
        <source>Sensor2</source>
        <translation>Capteur 2</translation>
    </message>
    <message>
        <source>Sensor1</source>
        <translation>Capteur 1</translation>
    </message>
</context>
<context>
    <name>SetupDiff</name>
    <message>
        <source>every day</source>
        <translation>tous les jours</translation>
    </message>
    <message>
        <source>every 2 days</source>
        <translation>tous les 2 jours</translation>
    </message>
    <message>
        <source>every 3 days</source>
        <translation>tous les 3 jours</translation>
    </message>
    <message>
        <source>chosen weekdays</source>
        <translation>jours de la semaine choisis</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>précise</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>modérée</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rapide</translation>
    </message>
    <message>
        <source>Precise flow</source>
        <translation>Débit précis</translation>
    </message>
    <message>
        <source>Moderate flow</source>
        <translation>Débit modéré</translation>
    </message>
    <message>
        <source>Fast flow</source>
        <translation>Débit rapide</translation>
    </message>
    <message>
        <source>unknown (%1)</source>
        <translation>inconnu (%1)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
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
        <translation>non défini</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Dosing by</source>
        <translation>Dosage selon</translation>
    </message>
    <message>
        <source>custom plans</source>
        <translation>plans personnalisés</translation>
    </message>
    <message>
        <source>programme</source>
        <translation>programme</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tous les canaux</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Mode de fonctionnement</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Doses per day</source>
        <translation>Doses par jour</translation>
    </message>
    <message>
        <source>Daily volume</source>
        <translation>Volume quotidien</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Plans</translation>
    </message>
    <message>
        <source>Channel %1 programme</source>
        <translation>Programme du canal %1</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Low threshold</source>
        <translation>Seuil bas</translation>
    </message>
    <message>
        <source>High threshold</source>
        <translation>Seuil haut</translation>
    </message>
    <message>
        <source>Probe calibration</source>
        <translation>Étalonnage de la sonde</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Channel %1 calibration</source>
        <translation>Étalonnage du canal %1</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Liquid left</source>
        <translation>Liquide restant</translation>
    </message>
    <message>
        <source>Bottle %1</source>
        <translation>Bouteille %1</translation>
    </message>
    <message>
        <source>Aquarium volume</source>
        <translation>Volume de l&apos;aquarium</translation>
    </message>
    <message>
        <source>%1 l</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>Channel %1 name</source>
        <translation>Nom du canal %1</translation>
    </message>
    <message>
        <source>Channel %1 reagent</source>
        <translation>Réactif du canal %1</translation>
    </message>
    <message>
        <source>Reagent %1</source>
        <translation>Réactif %1</translation>
    </message>
    <message>
        <source>%1 (%2) quick setup values</source>
        <translation>Valeurs de configuration rapide de %1 (%2)</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>comme actuellement</translation>
    </message>
    <message>
        <source>from the file</source>
        <translation>depuis le fichier</translation>
    </message>
    <message>
        <source>Interval settings kept on the PC</source>
        <translation>Réglages des intervalles conservés sur le PC</translation>
    </message>
    <message>
        <source>PC settings</source>
        <translation>Réglages du PC</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>coil</source>
        <translation>bobine</translation>
    </message>
    <message>
        <source>discrete input</source>
        <translation>entrée discrète</translation>
    </message>
    <message>
        <source>input register</source>
        <translation>registre d&apos;entrée</translation>
    </message>
    <message>
        <source>holding register</source>
        <translation>registre de maintien</translation>
    </message>
    <message>
        <source>The file has no %1 table.</source>
        <translation>Le fichier ne contient pas de table « %1 ».</translation>
    </message>
    <message>
        <source>The %1 table holds %2 values; a setup file holds %3.</source>
        <translation>La table « %1 » contient %2 valeurs ; un fichier de configuration en contient %3.</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>non numérique</translation>
    </message>
    <message>
        <source>The %1 %2 holds %3; it must be a whole number from 0 to %4.</source>
        <translation>%1 %2 contient la valeur %3 ; elle doit être un nombre entier de 0 à %4.</translation>
    </message>
    <message>
        <source>The PC settings in the file are incomplete (%1).</source>
        <translation>Les réglages du PC dans le fichier sont incomplets (%1).</translation>
    </message>
    <message>
        <source>The file is not a setup file: %1 at character %2.</source>
        <translation>Le fichier n&apos;est pas un fichier de configuration : %1 au caractère %2.</translation>
    </message>
    <message>
        <source>The file is not a setup file: it holds no JSON object.</source>
        <translation>Le fichier n&apos;est pas un fichier de configuration : il ne contient aucun objet JSON.</translation>
    </message>
    <message>
        <source>The file is not a Tidewell setup file (its format is &quot;%1&quot;).</source>
        <translation>Le fichier n&apos;est pas un fichier de configuration Tidewell (son format est « %1 »).</translation>
    </message>
    <message>
        <source>The file&apos;s format version %1 is not one this program knows (%2).</source>
        <translation>La version de format %1 du fichier n&apos;est pas connue de ce programme (%2).</translation>
    </message>
    <message>
        <source>The file does not say when it was saved.</source>
        <translation>Le fichier n&apos;indique pas quand il a été enregistré.</translation>
    </message>
    <message>
        <source>The file names no pump address from %1 to %2.</source>
        <translation>Le fichier n&apos;indique aucune adresse de pompe entre %1 et %2.</translation>
    </message>
    <message>
        <source>The file holds no PC settings.</source>
        <translation>Le fichier ne contient aucun réglage du PC.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>The file is too large to be a setup file.</source>
        <translation>Le fichier est trop volumineux pour être un fichier de configuration.</translation>
    </message>
</context>
<context>
    <name>SetupRestore</name>
    <message>
        <source>dose programme</source>
        <translation>programme de dosage</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>intervalles</translation>
    </message>
    <message>
        <source>temperature settings</source>
        <translation>réglages de température</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>étalonnage</translation>
    </message>
    <message>
        <source>bottles</source>
        <translation>bouteilles</translation>
    </message>
</context>
<context>
    <name>TimeTempSetup</name>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Aucune mesure</translation>
    </message>
    <message>
        <source>Temperature Sensor</source>
        <translation>Sonde de température</translation>
    </message>
    <message>
        <source>Temperature alarm</source>
        <translation>Alarme température</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>Setup Time</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Mettre à l&apos;heure</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>℃ Celsius degrees</source>
        <translation>℃ Celsius</translation>
    </message>
    <message>
        <source>℉ Fahrenheit scale</source>
        <translation>℉ Fahrenheit</translation>
    </message>
    <message>
        <source>Low:%1 ℉</source>
        <translation>Min&#xa0;: %1 ℉</translation>
    </message>
    <message>
        <source>Low:%1 ℃</source>
        <translation>Min&#xa0;: %1 ℃</translation>
    </message>
    <message>
        <source>High:%1 ℉</source>
        <translation>Max&#xa0;: %1 ℉</translation>
    </message>
    <message>
        <source>High:%1 ℃</source>
        <translation>Max&#xa0;: %1 ℃</translation>
    </message>
    <message>
        <source>Active:%1 ℉</source>
        <translation>Actuelle&#xa0;: %1 ℉</translation>
    </message>
    <message>
        <source>Active:%1 ℃</source>
        <translation>Actuelle&#xa0;: %1 ℃</translation>
    </message>
    <message>
        <source>Pump clock: %1, %2</source>
        <translation>Horloge de la pompe : %1, %2</translation>
    </message>
    <message>
        <source>Pump clock: not set</source>
        <translation>Horloge de la pompe : non réglée</translation>
    </message>
    <message>
        <source>The pump&apos;s clock is wrong: set it from the PC</source>
        <translation>L&apos;horloge de la pompe est fausse : réglez-la depuis le PC</translation>
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
        <translation>Bi-composant</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Firmvare App Version </source>
        <translation>Version appli. micrologiciel </translation>
    </message>
    <message>
        <source>Firmvare Version </source>
        <translation>Version du micrologiciel </translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Esclave</translation>
    </message>
</context>
<context>
    <name>WeekWidget</name>
    <message>
        <source>Monday </source>
        <translation>Lundi </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday </source>
        <translation>Samedi </translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
</context>
</TS>
