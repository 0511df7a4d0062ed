<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise&#xa0;:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Solde initial&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;En date du&#xa0;:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Banque&#xa0;:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>N° de &amp;compte&#xa0;:</translation>
    </message>
</context>
<context>
    <name>AccountSetup</name>
    <message>
        <source>Opening Balance</source>
        <translation>Solde initial</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Échec du partage du compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d’initialiser la base de données.

Dossier des données&#xa0;: %1

Vérifiez les droits d’accès aux fichiers et réessayez.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d’ouvrir l’archive ZIP</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json is too large</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json est trop volumineux</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json is damaged</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json est endommagé</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json est absent</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation>%1&#xa0;: entrée trop volumineuse</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1&#xa0;: entrée endommagée</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1&#xa0;: JSON non valide</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1&#xa0;: erreur inattendue</translation>
    </message>
    <message>
        <source>The restore stopped and changed nothing: %1</source>
        <translation>La restauration s’est interrompue sans rien modifier&#xa0;: %1</translation>
    </message>
    <message>
        <source>The restore stopped: %1</source>
        <translation>La restauration s’est interrompue&#xa0;: %1</translation>
    </message>
    <message>
        <source>the ids that sync renamed could not be read</source>
        <translation>les identifiants renommés par la synchronisation n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>The backup archive could not be written: %1</source>
        <translation>L’archive de sauvegarde n’a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>The backup could not read the table %1: %2</source>
        <translation>La sauvegarde n’a pas pu lire la table %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Invalid backup: its entries hold more than %1 MB</source>
        <translation>Sauvegarde non valide&#xa0;: ses entrées dépassent %1 Mo</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) could not be written: %2</source>
        <translation>
            <numerusform>%1 : %n ligne n’a pas pu être écrite : %2</numerusform>
            <numerusform>%1 : %n lignes n’ont pas pu être écrites : %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Delete &quot;%1&quot;? It will no longer be offered for new entries. Transactions and recurring transactions that use it keep it, and the register still shows its name.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;? Elle ne sera plus proposée pour les nouvelles saisies. Les opérations et les opérations récurrentes qui l’utilisent la conservent, et le registre affiche toujours son nom.</translation>
    </message>
    <message>
        <source>Its subcategories move to the top level.</source>
        <translation>Ses sous-catégories passent au premier niveau.</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Rechercher des catégories...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Ajouter une sous-catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>Les modifications de «&#xa0;%1&#xa0;» n’ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>This category no longer exists. Nothing was saved.</source>
        <translation>Cette catégorie n’existe plus. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» n’a pas pu être supprimée.</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Catégorie &amp;parente&#xa0;:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Pertinente pour les impôts</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Inclure cette catégorie dans les rapports fiscaux.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ex. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Code fiscal&#xa0;:</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; already exists here. Choose another name.</source>
        <translation>Une catégorie nommée « %1 » existe déjà ici. Choisissez un autre nom.</translation>
    </message>
</context>
<context>
    <name>CategoryLookup</name>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>One category name, quoted, in a list of them.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%n categories are named &quot;%1&quot;: choose one from the list.</source>
        <translation>
            <numerusform>%n catégorie s’appelle «&#xa0;%1&#xa0;»&#xa0;: choisissez-en une dans la liste.</numerusform>
            <numerusform>%n catégories s’appellent «&#xa0;%1&#xa0;»&#xa0;: choisissez-en une dans la liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the next quoted category name to a list of them.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last quoted category name to a list of them.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message numerus="yes">
        <source>%n categories are named &quot;%1&quot;: type %2.</source>
        <translation>
            <numerusform>%n catégorie s’appelle «&#xa0;%1&#xa0;»&#xa0;: saisissez %2.</numerusform>
            <numerusform>%n catégories s’appellent «&#xa0;%1&#xa0;»&#xa0;: saisissez %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts locaux et régionaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d’emprunt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Mensualité de prêt</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Services publics</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Mensualité auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Indépendant / Conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Not imported: the row has too few fields</source>
        <translation>Non importée&#xa0;: la ligne compte trop peu de champs</translation>
    </message>
    <message>
        <source>Not imported: no readable date</source>
        <translation>Non importée&#xa0;: aucune date lisible</translation>
    </message>
    <message>
        <source>Not imported: no readable amount</source>
        <translation>Non importée&#xa0;: aucun montant lisible</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation>Ligne d’en-tête&#xa0;: non importée</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>%n ligne à importer</numerusform>
            <numerusform>%n lignes à importer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped</source>
        <translation>
            <numerusform>%n ligne illisible sera ignorée</numerusform>
            <numerusform>%n lignes illisibles seront ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported without a category (category name shared by several categories)</source>
        <translation>
            <numerusform>%n opération importée sans catégorie (nom de catégorie partagé par plusieurs catégories)</numerusform>
            <numerusform>%n opérations importées sans catégorie (nom de catégorie partagé par plusieurs catégories)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement lié entre comptes</numerusform>
            <numerusform>%n virements liés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n lié à une ligne importée précédemment)</numerusform>
            <numerusform>  (dont %n liés à des lignes importées précédemment)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l’importation et toutes les modifications ont été annulées. Aucune opération n’a été ajoutée.</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV&#xa0;:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne de la date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne du montant&#xa0;:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne du mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne de la catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mois J, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date&#xa0;:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>Le fichier ne contient aucune ligne.</translation>
    </message>
    <message>
        <source>In the file: %1</source>
        <translation>Dans le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Choisir un ou plusieurs fichiers QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse du ou des fichiers QIF...</translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>Rien à importer</translation>
    </message>
    <message>
        <source>No transactions that can be imported were found in the chosen QIF file(s).</source>
        <translation>Aucune opération importable n’a été trouvée dans le ou les fichiers QIF choisis.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot Read File</source>
        <translation>Lecture du fichier impossible</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened or read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être ouvert ou lu.</translation>
    </message>
    <message>
        <source>These files could not be opened or read:
%1</source>
        <translation>Ces fichiers n’ont pas pu être ouverts ou lus&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has changed since it was previewed. Check the preview and import again.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» a changé depuis son aperçu. Vérifiez l’aperçu et relancez l’importation.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no rows to import.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne contient aucune ligne à importer.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; no longer exists. Choose another account.</source>
        <translation>Le compte «&#xa0;%1&#xa0;» n’existe plus. Choisissez un autre compte.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte de destination</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez un compte dans lequel importer, ou créez-en un maintenant.</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created.</source>
        <translation>Le compte «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Choose the QIF files again to map their accounts.</source>
        <translation>Choisissez à nouveau les fichiers QIF pour associer leurs comptes.</translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists. Choose another one.</source>
        <translation>Le compte choisi pour %1 n’existe plus. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created; its transactions were skipped.</source>
        <translation>Le compte «&#xa0;%1&#xa0;» n’a pas pu être créé&#xa0;; ses opérations ont été ignorées.</translation>
    </message>
    <message>
        <source>The accounts created for it were kept: %1.</source>
        <translation>Les comptes créés pour cette importation ont été conservés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation en cours...</translation>
    </message>
    <message>
        <source>No transactions were found in the chosen file(s).</source>
        <translation>Aucune opération n’a été trouvée dans le ou les fichiers choisis.</translation>
    </message>
    <message>
        <source>Not imported: the date does not fit the chosen date format</source>
        <translation>Non importée&#xa0;: la date ne correspond pas au format de date choisi</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) do not fit the chosen date format</source>
        <translation>
            <numerusform>%n ligne ne correspond pas au format de date choisi</numerusform>
            <numerusform>%n lignes ne correspondent pas au format de date choisi</numerusform>
        </translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>L’importation a échoué.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (pas d’en-tête de compte)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Virements</translation>
    </message>
</context>
<context>
    <name>LarkAccount::AuthClient</name>
    <message>
        <source>Invalid sign-in address</source>
        <translation>Adresse de connexion non valide</translation>
    </message>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Impossible de démarrer le serveur d’authentification local</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Aucun jeton reçu</translation>
    </message>
</context>
<context>
    <name>LarkAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personnes ayant accès</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Ajouter des personnes</translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Create one or join one to share accounts.</source>
        <translation>Vous n’avez pas encore de groupe familial. Créez-en un ou rejoignez-en un pour partager des comptes.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Tous les membres du groupe ont déjà accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Ce compte n’est encore partagé avec personne.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l’accès</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 n’aura plus accès. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Retirer l’accès&#xa0;?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
</context>
<context>
    <name>LarkAccount::WebAuthHandler</name>
    <message>
        <source>Bad request</source>
        <translation>Requête incorrecte</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>This page does not belong to the sign-in the application is waiting for. Start the sign-in again from the application.</source>
        <translation>Cette page ne correspond pas à la connexion attendue par l’application. Relancez la connexion depuis l’application.</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>Authentification terminée&#xa0;!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Vous pouvez fermer cet onglet et revenir à l’application.</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>l’adresse du service de mise à jour n’est pas valide</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>la version actuelle n’est pas indiquée</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>erreur réseau : %1</translation>
    </message>
    <message>
        <source>reply too large or too slow</source>
        <translation>réponse trop volumineuse ou trop lente</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>informations de mise à jour non valides : %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>la version %1 est antérieure à la version minimale %2 requise pour cette mise à jour ; installez d’abord une version intermédiaire</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Welcome to Larkspur Tallyleaf</source>
        <translation>Bienvenue dans Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>The account order could not be saved.</source>
        <translation>L’ordre des comptes n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d’abord un compte</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created.</source>
        <translation>Le compte «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>Les modifications de «&#xa0;%1&#xa0;» n’ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Ce compte n’existe plus. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Larkspur account.</source>
        <translation>Le partage nécessite un compte Larkspur.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;?

Toutes les opérations, les opérations récurrentes et l’historique des rapprochements de ce compte seront supprimés. Vous pouvez le restaurer depuis Préférences → Données et synchronisation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted. Nothing was changed.</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;». Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Larkspur &amp;Account...</source>
        <translation>Compte &amp;Larkspur...</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Se connecter ou créer un compte</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Opérations récurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Larkspur Tallyleaf</source>
        <translation>À &amp;propos de Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer un &amp;avis...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Charger les données d’exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d’exemple</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente saisie automatiquement</numerusform>
            <numerusform>%n opérations récurrentes saisies automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gérer votre compte</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registre&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Enregistrer l’opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insérer une nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Supprimer l’opération en cours&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Maj+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Champ suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copier la valeur du champ du dessus&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Champ de date&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aujourd’hui&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Jour suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour du mois&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de l’année&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de la semaine&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Général&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouveau compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapprocher le compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rechercher des opérations&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Opérations récurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Catégories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Comptes&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;A digital check register for keeping track of your household finances.&lt;/p&gt;&lt;p&gt;Published by Larkspur. Visit &lt;a href=&apos;https://larkspur.app/tallyleaf&apos;&gt;larkspur.app/tallyleaf&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the &lt;a href=&apos;https://www.gnu.org/licenses/lgpl-3.0.html&apos;&gt;GNU Lesser General Public License version 3&lt;/a&gt;. See &lt;a href=&apos;https://www.qt.io/&apos;&gt;qt.io&lt;/a&gt;; the Qt source code is available at &lt;a href=&apos;https://download.qt.io/official_releases/qt/&apos;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;Un registre de comptes numérique pour suivre les finances de votre foyer.&lt;/p&gt;&lt;p&gt;Publié par Larkspur. Rendez-vous sur &lt;a href=&apos;https://larkspur.app/tallyleaf&apos;&gt;larkspur.app/tallyleaf&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Cette application utilise le framework Qt sous la &lt;a href=&apos;https://www.gnu.org/licenses/lgpl-3.0.html&apos;&gt;licence publique générale limitée GNU (LGPL) version 3&lt;/a&gt;. Voir &lt;a href=&apos;https://www.qt.io/&apos;&gt;qt.io&lt;/a&gt;&#xa0;; le code source de Qt est disponible sur &lt;a href=&apos;https://download.qt.io/official_releases/qt/&apos;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Larkspur Tallyleaf</source>
        <translation>À propos de Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d’exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d’exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded. Nothing was changed.</source>
        <translation>Les données d’exemple n’ont pas pu être chargées. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d’exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d’exemple à effacer.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared. Nothing was changed.

Transactions, schedules or reconciliations added to a sample account keep it in place; delete them first.</source>
        <translation>Les données d’exemple n’ont pas pu être effacées. Rien n’a été modifié.

Les opérations, opérations récurrentes ou rapprochements ajoutés à un compte d’exemple le maintiennent en place&#xa0;; supprimez-les d’abord.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d’exemple effacées</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Larkspur family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Larkspur. Ils verront le même registre, les mêmes soldes et le même historique des rapprochements sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Ce compte n’est encore partagé avec personne.</translation>
    </message>
    <message>
        <source>You&apos;re not in a Larkspur family group yet. Create or join one under File › Larkspur Account to share accounts.</source>
        <translation>Vous ne faites pas encore partie d’un groupe familial Larkspur. Créez-en un ou rejoignez-en un via Fichier › Compte Larkspur pour partager des comptes.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l’accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer l’accès de %1 à ce compte&#xa0;?</translation>
    </message>
    <message>
        <source>Larkspur Account</source>
        <translation>Compte Larkspur</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>No web browser could be opened. To sign in, open this address in your browser:</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert. Pour vous connecter, ouvrez cette adresse dans votre navigateur&#xa0;:</translation>
    </message>
    <message>
        <source>Another Larkspur Account</source>
        <translation>Autre compte Larkspur</translation>
    </message>
    <message>
        <source>This computer holds data synced with another Larkspur account. Upload it to %1?</source>
        <translation>Cet ordinateur contient des données synchronisées avec un autre compte Larkspur. Les envoyer vers %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en&#xa0;:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n opération</numerusform>
            <numerusform>%n opérations</numerusform>
        </translation>
    </message>
    <message>
        <source>The payees could not be changed. No transaction was changed.</source>
        <translation>Les bénéficiaires n’ont pas pu être modifiés. Aucune opération n’a été modifiée.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renommage effectué dans %n opération.</numerusform>
            <numerusform>Renommage effectué dans %n opérations.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Fusion effectuée dans %n opération.</numerusform>
            <numerusform>Fusion effectuée dans %n opérations.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
</context>
<context>
    <name>QifMappingBox</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes source QIF&#xa0;:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez dans quel compte importer chaque compte Quicken. Les virements entre les comptes associés dans les fichiers sélectionnés seront liés automatiquement.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le compte «&#xa0;%1&#xa0;» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Effectué le</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l’instant. Rapprochez votre compte depuis le registre pour voir l’historique ici.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Crédits pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Débits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l’opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l’opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Compte rapproché avec succès.</translation>
    </message>
    <message>
        <source>Reconciliation Not Saved</source>
        <translation>Rapprochement non enregistré</translation>
    </message>
    <message>
        <source>Some transactions were changed elsewhere since this list was loaded. Nothing was saved; review the list and finish again.</source>
        <translation>Certaines opérations ont été modifiées ailleurs depuis le chargement de cette liste. Rien n’a été enregistré&#xa0;; vérifiez la liste et terminez à nouveau.</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Ce compte n’existe plus. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>Le rapprochement n’a pas pu être enregistré. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l’opération</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Cette opération n’existe plus.</translation>
    </message>
    <message>
        <source>Discard Reconciliation</source>
        <translation>Abandonner le rapprochement</translation>
    </message>
    <message>
        <source>Discard this reconciliation?</source>
        <translation>Abandonner ce rapprochement&#xa0;?</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l’opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l’opération</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Deux fois par mois</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>Repeat every:</source>
        <translation>Intervalle&#xa0;:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Premier jour&#xa0;:</translation>
    </message>
    <message>
        <source>Second day:</source>
        <translation>Deuxième jour&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin&#xa0;:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Saisir automatiquement à l’échéance</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Saisir à l’avance&#xa0;:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semaine</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>quarter</source>
        <translation>trimestre</translation>
    </message>
    <message>
        <source>quarters</source>
        <translation>trimestres</translation>
    </message>
    <message>
        <source>year</source>
        <translation>an</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (supprimée)</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virer vers :</translation>
    </message>
    <message>
        <source>Recurring Transaction</source>
        <translation>Opération récurrente</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;. Choose one from the list, or clear the field for no category.</source>
        <translation>Aucune catégorie ne s’appelle « %1 ». Choisissez-en une dans la liste, ou videz le champ pour n’en mettre aucune.</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts. Choose another account to transfer to.</source>
        <translation>Un virement nécessite deux comptes différents. Choisissez un autre compte de destination.</translation>
    </message>
    <message>
        <source>The chosen account no longer exists. Choose another account.</source>
        <translation>Le compte choisi n’existe plus. Choisissez un autre compte.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>last day</source>
        <translation>dernier jour</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Deux fois par mois (%1 et %2)</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Tous les %1 jours</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Toutes les %1 semaines</translation>
    </message>
    <message>
        <source>Every %1 months</source>
        <translation>Tous les %1 mois</translation>
    </message>
    <message>
        <source>Every %1 years</source>
        <translation>Tous les %1 ans</translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
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
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Valider les échéances</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Saisir les 7 prochains jours</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(échéances&#xa0;: %1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Saisir &amp;en avance...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>L’opération récurrente n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>Les modifications de «&#xa0;%1&#xa0;» n’ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>Saisir «&#xa0;%1&#xa0;» maintenant, à la date du %2&#xa0;? L’opération est datée de son échéance et vous pourrez la modifier ou la supprimer plus tard.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Saisir en avance</translation>
    </message>
    <message>
        <source>Not Skipped</source>
        <translation>Échéance non ignorée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped; its next due date is unchanged.</source>
        <translation>Impossible d’ignorer «&#xa0;%1&#xa0;»&#xa0;; sa prochaine échéance reste inchangée.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l’opération récurrente «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Due transactions not posted: %1 of %2.</source>
        <translation>Échéances non saisies&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Saisir toutes les opérations récurrentes qui arrivent à échéance dans les 7 prochains jours&#xa0;? Elles sont datées de leur échéance et vous pourrez les modifier ou les supprimer plus tard.</translation>
    </message>
    <message>
        <source>Some occurrences due by %1 were not entered (recurring transactions still due by then: %2).</source>
        <translation>Certaines échéances jusqu’au %1 n’ont pas été saisies (opérations récurrentes encore dues à cette date&#xa0;: %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; due %2 was not posted.</source>
        <translation>L’échéance du %2 de «&#xa0;%1&#xa0;» n’a pas été saisie.</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>Échéance non saisie</translation>
    </message>
    <message>
        <source>Possible reasons: the occurrence is already in the register, a transfer account is missing or deleted, or the schedule&apos;s dates are broken.</source>
        <translation>Raisons possibles&#xa0;: l’échéance figure déjà dans le registre, un compte de virement est manquant ou supprimé, ou les dates de l’opération récurrente sont incorrectes.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>This recurring transaction no longer exists. Nothing was saved.</source>
        <translation>Cette opération récurrente n’existe plus. Rien n’a été enregistré.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
</context>
<context>
    <name>RegisterFilterDialog</name>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointées</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointées</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Statut&#xa0;:</translation>
    </message>
    <message>
        <source>Limit to a date range</source>
        <translation>Limiter à une période</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Dates&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N° chq</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Mémo</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1&#xa0;: enregistrer  |  Entrée&#xa0;: suivant  |  %2&#xa0;: supprimer  |  %3&#xa0;: mémoriser  |  &apos;&#xa0;: copier au-dessus</translation>
    </message>
    <message>
        <source>Filter (%1)</source>
        <translation>Filtre (%1)</translation>
    </message>
    <message>
        <source>Filters are applied. Click to change or clear them.</source>
        <translation>Des filtres sont appliqués. Cliquez pour les modifier ou les effacer.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Filter which transactions are listed</source>
        <translation>Filtrer les opérations affichées</translation>
    </message>
    <message>
        <source>The filter could not be saved for next time.</source>
        <translation>Le filtre n’a pas pu être enregistré pour la prochaine fois.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant au débit ou au crédit</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>L’opération n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Saved. It isn&apos;t listed because of the current filter.</source>
        <translation>Enregistrée. Elle n’est pas affichée à cause du filtre actuel.</translation>
    </message>
    <message>
        <source>This transaction no longer exists. Nothing was saved.</source>
        <translation>Cette opération n’existe plus. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Mémorisation impossible&#xa0;: l’opération source a une date non valide</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>L’opération récurrente n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Colonnes affichées</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Réinitialiser la disposition du registre</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer une opération</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une fenêtre...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Ventiler l’opération...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;upliquer...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Dé&amp;pointer</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>&amp;Pointer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Amounts can be at most %1</source>
        <translation>Les montants ne peuvent pas dépasser %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un montant</translation>
    </message>
    <message>
        <source>Enter a date that exists, such as %1</source>
        <translation>Saisissez une date qui existe, par exemple %1</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>Aucune catégorie ne s’appelle «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>This transaction is already a transfer to another account</source>
        <translation>Cette opération est déjà un virement vers un autre compte</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Transaction non enregistrée</translation>
    </message>
    <message>
        <source>Save the transaction you were entering?</source>
        <translation>Enregistrer la transaction en cours de saisie ?</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Ce compte n’existe plus. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>This transaction was moved to another account. Saving keeps your changes there.</source>
        <translation>Cette opération a été déplacée vers un autre compte. L’enregistrement y conserve vos modifications.</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>Le rapport n’a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer&#xa0;:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année vs l’an dernier</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>L’an dernier vs l’année précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre vs le précédent</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1&#xa0;:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2&#xa0;:</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparatif annuel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1&#xa0;: %1 – %2    P2&#xa0;: %3 – %4</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Compte courant principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Livret d’épargne</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Paie de la quinzaine</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Loyer de février</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Plein d’essence</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Facture d’électricité</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Facture d’eau</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Abonnement streaming</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Dîner au restaurant</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Don mensuel</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Virement vers l’épargne</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Loyer de mars</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Abonnement Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Ordonnances</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café et viennoiserie</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Versement d’intérêts</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Virement du compte courant</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Livraison de repas</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Coque de téléphone</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Forfait de stockage en ligne</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Paiement reçu - Merci</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Règlement de la carte de crédit</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grains</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Livres de programmation</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>Hub USB</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, un mémo, un n° de chèque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Cette opération n’existe plus.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Ventiler l’opération...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une fenêtre...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;upliquer...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Dé&amp;pointer</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>&amp;Pointer</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Larkspur Tallyleaf looks.</source>
        <translation>Choisissez l’apparence de Larkspur Tallyleaf.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Selon le système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Choisir la couleur d’accentuation</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Couleur d’accentuation</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Premier jour de la semaine</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Larkspur Tallyleaf.</source>
        <translation>La nouvelle langue s’appliquera au prochain démarrage de Larkspur Tallyleaf.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Présentation des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Deux lignes par opération</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une seconde ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Virgule décimale automatique</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>Tapez 1234 pour saisir 12.34. Les deux derniers chiffres sont toujours les centimes.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l’ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher les opérations les plus récentes en premier</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital tallyleaf register for tracking household finances.</source>
        <translation>Un registre de comptes numérique pour suivre les finances de votre foyer.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Tallyleaf for iPhone and Android</source>
        <translation>Tallyleaf pour iPhone et Android</translation>
    </message>
    <message>
        <source>© Larkspur. All rights reserved.</source>
        <translation>© Larkspur. Tous droits réservés.</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Cette application utilise le framework Qt sous licence LGPL v3.</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…et %n autre.</numerusform>
            <numerusform>…et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your tallyleaf in sync across all your devices.</source>
        <translation>Synchronisez votre registre sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Synchronisation complète</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez ou restaurez vos données avec un fichier de sauvegarde portable.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Larkspur Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Larkspur pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que&#xa0;:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État&#xa0;:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront renvoyées au serveur et toutes les données du serveur seront de nouveau téléchargées. Utilisez cette option si les données ne semblent pas synchronisées entre vos appareils.

Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation en cours...</translation>
    </message>
    <message>
        <source>The backup could not be created.</source>
        <translation>La sauvegarde n’a pas pu être créée.</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d’écrire dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder le plus récent (comparer les horodatages)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d’importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes&#xa0;?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation en cours...</translation>
    </message>
    <message>
        <source>The backup could not be imported:

%1</source>
        <translation>La sauvegarde n’a pas pu être importée&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s’est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored.</source>
        <translation>Le compte « %1 » n’a pas pu être restauré.</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Exportation de la sauvegarde...</translation>
    </message>
    <message>
        <source>Replace All Data</source>
        <translation>Remplacer toutes les données</translation>
    </message>
    <message>
        <source>Every account, category, transaction, schedule and reconciliation that is also in the backup is overwritten with the backup&apos;s version: changes made since the backup was made are lost. This cannot be undone.

Replace with the backup data?</source>
        <translation>Chaque compte, catégorie, opération, échéance et rapprochement également présent dans la sauvegarde est remplacé par la version de la sauvegarde&#xa0;: les modifications faites depuis la sauvegarde sont perdues. Cette action est irréversible.

Remplacer par les données de la sauvegarde&#xa0;?</translation>
    </message>
    <message>
        <source>Importing backup...</source>
        <translation>Importation de la sauvegarde...</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l’opération</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Reste&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Ajouter une ligne</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Supprimer</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (supprimée)</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l’opération</translation>
    </message>
    <message>
        <source>Split line %1 has an amount but no category. Choose a category for it, or set its amount to 0 to drop it.</source>
        <translation>La ligne de ventilation %1 a un montant mais pas de catégorie. Choisissez-lui une catégorie, ou mettez son montant à 0 pour la retirer.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n échéance due</numerusform>
            <numerusform>  •  %n échéances dues</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message numerus="yes">
        <source>%n change(s) were refused by the server: %1</source>
        <translation>
            <numerusform>%n modification a été refusée par le serveur : %1</numerusform>
            <numerusform>%n modifications ont été refusées par le serveur : %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>Transaction</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>L’opération n’a pas pu être enregistrée. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement «&#xa0;%1&#xa0;» de %2&#xa0;?

Les deux écritures du virement seront supprimées.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;» de %2&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l’opération</translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation>L’opération n’a pas pu être supprimée. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte de virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les deux comptes d’un virement doivent utiliser la même devise</translation>
    </message>
    <message>
        <source>A transfer can&apos;t be split across categories</source>
        <translation>Un virement ne peut pas être ventilé entre plusieurs catégories</translation>
    </message>
    <message>
        <source>The cleared state could not be saved.</source>
        <translation>L’état de pointage n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Cette opération n’existe plus.</translation>
    </message>
    <message>
        <source>This transaction no longer exists. Nothing was saved.</source>
        <translation>Cette opération n’existe plus. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Ce compte n’existe plus. Rien n’a été enregistré.</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Détails de l’opération</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointée</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Dépointer</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virement vers&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Statut&#xa0;:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Saisie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Dernière modification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>Dupliquer...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Lignes de ventilation</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(aucune ligne de ventilation enregistrée)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>The cleared state could not be saved.</source>
        <translation>L’état de pointage n’a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l’opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Ventiler...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Ventiler cette opération entre plusieurs catégories, chacune avec son montant et son mémo.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Utiliser une seule catégorie</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Annuler la ventilation et revenir à une opération à catégorie unique.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (supprimée)</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to
Larkspur Tallyleaf</source>
        <translation>Bienvenue dans
Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>A digital tallyleaf register.</source>
        <translation>Un registre de comptes numérique.</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a expiré. Reconnectez-vous pour continuer la synchronisation.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Ajoutez un compte (compte courant, épargne, carte de crédit ou tout autre compte que vous souhaitez suivre).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Enregistrez vos opérations au fil de vos dépenses.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Faites le rapprochement à la réception de votre relevé.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour parmi nous</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Connectez-vous pour garder vos données synchronisées sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte&#xa0;? Se connecter</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Créer un autre compte</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Créer votre premier compte</translation>
    </message>
</context>
</TS>
