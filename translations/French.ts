<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Fermeture du logiciel</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflit, le logiciel a cessé de fonctionner !</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Un rapport du plantage a été enregistré dans :</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Écrire dans le clavier</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction :</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Veuillez d’abord sélectionner une touche</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Échec du réglage : le texte est vide</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Échec du réglage : le profil n’a pas pu être enregistré</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Réduire(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Agrandir(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurer(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quitter(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Les touches ne sont capturées que lorsque cette fenêtre a le focus.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réassigner la touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuration du clavier</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage du clavier</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Éclairage latéral</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité de l’écran +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité de l’écran -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l’ordinateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>(Dé)verrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passer en 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passer en USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tous les éclairages</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction en boucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Mode pleine couleur</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Figer le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrer l’éclairage</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l’éclairage latéral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Figer l’éclairage latéral</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Impossible de réassigner</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Configuration écrite dans le clavier</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Échec de l’écriture dans le clavier, veuillez réessayer</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n touche est associée à une macro, mais le clavier n’en contient que %1. Rien n’a été envoyé.</numerusform>
            <numerusform>%n touches sont associées à des macros, mais le clavier n’en contient que %1. Rien n’a été envoyé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n touche est associée à une touche avancée, mais le clavier n’en contient que %1. Rien n’a été envoyé.</numerusform>
            <numerusform>%n touches sont associées à des touches avancées, mais le clavier n’en contient que %1. Rien n’a été envoyé.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>La combinaison de touches de la touche %1 contient plus de deux touches de modification, ce que le clavier ne peut pas enregistrer. Rien n’a été envoyé.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibrage de toutes les touches en cours ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>L’appareil est hors ligne</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>L’appareil est déjà sélectionné</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personnaliser les touches</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Point de déclenchement</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Écrire dans le clavier</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction :</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si le verrouillage Win est activé :</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Désactiver la touche Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver MAJ+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Mise en veille de l’éclairage :</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Mise en veille du clavier :</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Interdire la veille</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Le délai de mise en veille de l’éclairage ne peut pas dépasser celui du clavier</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Le délai de mise en veille du clavier est trop court</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Le délai de veille a été défini</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Échec du réglage du délai de veille</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrage des touches en cours, veuillez patienter</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Le délai de veille est hors limites</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Profil créé avec succès</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil supprimé avec succès</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil modifié avec succès</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exporté avec succès</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importé avec succès</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Le nombre maximal de profils est atteint</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Échec de la création : un profil porte déjà ce numéro, veuillez vérifier</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Au moins un profil doit être conservé</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Ce profil n’existe pas</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Le nom du profil ne peut pas être vide</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Veuillez d’abord choisir le dossier d’enregistrement</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Veuillez d’abord choisir le fichier à importer</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Échec de la création du profil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Échec de la suppression du profil</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Échec de la modification du profil</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Échec de l’opération</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Échec de l’exportation du profil</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Échec de l’importation du profil</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 était endommagé et a été restauré depuis sa sauvegarde ; le fichier endommagé a été déplacé vers %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 était endommagé et a été recréé vide ; le fichier endommagé a été déplacé vers %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 est endommagé et n’a pas pu être mis de côté ; ses réglages ne peuvent pas être utilisés</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel ?</translation>
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
        <source>Save directory</source>
        <translation>Dossier d’enregistrement</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de profil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de profil (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>Le clavier n’est pas encore prêt ; il sera chargé dès qu’il répondra</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Aucun clavier n’a besoin d’une mise à jour du micrologiciel</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Déclenchement</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Appui (déclenchement)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Relâchement (réarmement)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Suivi de la course</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Appui et relâchement séparés</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Réinitialiser la sensibilité</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-rebond des touches</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taux d’interrogation</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Mode de calibrage des touches</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Démarrer le calibrage</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Arrêter le calibrage</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajustez la course de déclenchement et la course de réinitialisation selon votre intention d’appuyer sur la touche ou de la relâcher.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Vous pouvez régler séparément la course du Rapid Trigger à l’appui (déclenchement) et au relâchement (réarmement).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrage de toutes les touches</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Passez d’abord en mode de calibrage des touches ;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Sélectionnez une touche ;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Cliquez sur « Démarrer le calibrage » ;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Appuyez sur la touche sélectionnée ;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Le résultat du calibrage s’affiche ;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Activé : le Rapid Trigger ne prend fin que lorsque vous relâchez complètement la touche.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Désactivé : le Rapid Trigger prend fin dès que la touche relâchée repasse le point de déclenchement.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Définissez le point de déclenchement : jusqu’où la touche doit être enfoncée pour se déclencher.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Pendant le calibrage de toutes les touches, appuyez sur chaque touche pour le terminer.</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajustez la course de déclenchement et la course de réinitialisation selon votre intention d’appuyer sur la touche ou de la relâcher.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilité secondaire</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Vous pouvez régler séparément la course du Rapid Trigger à l’appui (déclenchement) et au relâchement (réarmement).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Appui/Relâchement</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-rebond des touches</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taux d’interrogation</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Passer en mode de calibrage</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Démarrer le calibrage</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrage de toutes les touches</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Suivi de l’intensité</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Réinitialiser la sensibilité</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Explication</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explication</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explication</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explication</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explication</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explication</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>(Appui léger) Réassigner la touche</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Appui fort) Combinaison de touches</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Espace</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Réponse à la vitesse</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulation auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stries</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feux d’artifice</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rythme musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Éteint</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>Le fichier dépasse %1 Mo et ne peut pas être importé</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Non enregistré : le fichier dépasserait %1 Mo. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>le chemin de son dossier %1 est trop long</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 dépasse %2 Mo</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 ne peut être ni lu ni écrit</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Les profils de %1 ne peuvent pas être ouverts : %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Des touches du profil à importer lancent ces programmes :

%1

Importer le profil avec ces touches ? Sinon, rien n&apos;est importé.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Activez d’abord le mode de calibrage des touches</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrage des touches réussi</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrage des touches en cours</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Échec du calibrage des touches</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Enregistrement de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Comme enregistré</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Enregistrement de la macro démarré</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Enregistrement de la macro arrêté</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Le nombre maximal d’événements est atteint</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Veuillez d’abord choisir une position dans la liste</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Événement inséré</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Événement modifié</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>L’enregistrement est vide</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insérer un événement</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer après l’événement</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer avant l’événement</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Saisissez le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro ajoutée</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro supprimée</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Le nom de la macro ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro renommée</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Sélectionnez d’abord une macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro vidée</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Impossible d’enregistrer le fichier de macros</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Impossible de lire le fichier de macros</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n touche est associée à cette macro. En supprimant la macro, elle retrouve sa fonction par défaut. Supprimer la macro ?</numerusform>
            <numerusform>%n touches sont associées à cette macro. En supprimant la macro, elles retrouvent leur fonction par défaut. Supprimer la macro ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Touches normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Touches spéciales</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Points de déclenchement des actions DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Impossible d’enregistrer le fichier des touches avancées</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produit :</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version :</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Ne débranchez pas le clavier pendant la mise à jour du micrologiciel !</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Micrologiciel mis à jour</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Récepteur 2,4 GHz</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Actions de la souris</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Enregistrement de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Comme enregistré</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>L’enregistrement est vide</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insérer un événement</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer après l’événement</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer avant l’événement</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Saisissez le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Touches normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Touches spéciales</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Points de déclenchement des actions DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Le nom du schéma personnalisé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Schéma personnalisé renommé</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Impossible de renommer le schéma personnalisé</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction :</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur haute</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur basse</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Schémas personnalisés</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Clavier/Éclairage latéral</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Du centre vers l’extérieur</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>De l’extérieur vers le centre</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens horaire</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Sens antihoraire</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Éclairage latéral : %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Sélectionnez des touches sur l’image, puis choisissez une couleur.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Utiliser ce schéma sur le clavier</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>L’appareil n’a pas d’éclairage latéral</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Le réglage d’éclairage n’a pas pu être enregistré ou envoyé au clavier.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Configure les touches, l’éclairage et les profils du clavier</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer au démarrage du système (réduit)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fermer dans la zone de notification</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Rechercher une mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Paramètre enregistré</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Impossible d’enregistrer le paramètre</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informations sur le micrologiciel</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>En écoute : appuyez sur une touche ou choisissez-la</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Réassigner à ?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Saisir les touches ?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Cor./Angl.</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Type de lecture</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue activée/désactivée</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche est enfoncée</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Veuillez d’abord enregistrer une macro</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Veuillez choisir le fichier de votre application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisissez le texte…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>Le texte est trop long, la partie en trop n’a pas été ajoutée</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Schéma personnalisé</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer au démarrage du système (réduit)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fermer dans la zone de notification</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Rechercher une mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Envoyer des commentaires</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Logiciel d’application</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informations sur le micrologiciel</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction :</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Mode d’éclairage</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur haute</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur basse</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Schémas personnalisés</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réassigner la touche</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Réassigner à ?</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Saisir les touches ?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Veuillez choisir le fichier de votre application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir une application</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisissez le texte…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintien</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aucune touche avancée</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La touche a deux fonctions : l’une quand elle est maintenue, l’autre quand elle est cliquée.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Cliquez sur cette touche pour activer ou désactiver le déclenchement continu.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintien</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aucune touche avancée</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La touche a deux fonctions : l’une quand elle est maintenue, l’autre quand elle est cliquée.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Cliquez sur cette touche pour activer ou désactiver le déclenchement continu.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Avec « Touche unique » sélectionnée, un clic sur une touche suffit pour la définir ;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Avec « Combinaison de touches » sélectionnée, choisissez au moins une touche de modification puis une autre touche pour terminer la combinaison, par exemple L_Shift+A ou L_Shift+L_Ctrl+A ;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>La touche peut remplir quatre fonctions : 1 à 4 fonctions peuvent être associées à quatre profondeurs d’appui différentes.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Touche avancée créée</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Touche avancée supprimée</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Le nombre maximal de touches avancées est atteint</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n touche est associée à cette touche avancée. Sa suppression lui rend sa fonction par défaut. La supprimer ?</numerusform>
            <numerusform>%n touches sont associées à cette touche avancée. Sa suppression leur rend leur fonction par défaut. La supprimer ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Ouvrir un fichier de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Fichiers de macro (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportée avec succès</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importée avec succès</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Échec de l’exportation de la macro : la macro n’a pas pu être lue</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Échec de l’exportation de la macro : impossible d’écrire %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Échec de l’importation de la macro : %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>le fichier n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>le fichier n’est pas un document XML complet</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>le fichier ne contient aucun événement</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>le fichier contient trop d’événements (%1 au maximum)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>une valeur de l’événement %1 est trop longue pour son champ</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>le repère de l’événement %1 n’est pas un nombre décimal</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>le délai de l’événement %1 n’est pas un nombre de 0 à %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>l’événement %1 n’est ni un événement clavier ni un événement souris</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>le code de touche de l’événement %1 n’est pas un nombre de %2 à %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>le code souris de l’événement %1 ne désigne aucun bouton de souris</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>l’événement %1 n’est ni un appui ni un relâchement</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>le repère %1 n’a pas exactement un appui suivi d’un relâchement</translation>
    </message>
</context>
</TS>
