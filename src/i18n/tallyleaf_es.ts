<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
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
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>A &amp;fecha de:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Número de c&amp;uenta:</translation>
    </message>
</context>
<context>
    <name>AccountSetup</name>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo inicializar la base de datos.

Carpeta de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Error de la base de datos</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json is too large</source>
        <translation>Copia de seguridad no válida: manifest.json es demasiado grande</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json is damaged</source>
        <translation>Copia de seguridad no válida: manifest.json está dañado</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no compatible: %1</translation>
    </message>
    <message>
        <source>%1: entry too large</source>
        <translation>%1: entrada demasiado grande</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: entrada dañada</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: error inesperado</translation>
    </message>
    <message>
        <source>The restore stopped and changed nothing: %1</source>
        <translation>La restauración se detuvo sin cambiar nada: %1</translation>
    </message>
    <message>
        <source>The restore stopped: %1</source>
        <translation>La restauración se detuvo: %1</translation>
    </message>
    <message>
        <source>the ids that sync renamed could not be read</source>
        <translation>no se pudieron leer los identificadores que la sincronización renombró</translation>
    </message>
    <message>
        <source>The backup archive could not be written: %1</source>
        <translation>No se pudo escribir el archivo de la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>The backup could not read the table %1: %2</source>
        <translation>La copia de seguridad no pudo leer la tabla %1: %2</translation>
    </message>
    <message>
        <source>Invalid backup: its entries hold more than %1 MB</source>
        <translation>Copia de seguridad no válida: sus entradas ocupan más de %1 MB</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) could not be written: %2</source>
        <translation>
            <numerusform>%1: no se pudo escribir %n fila: %2</numerusform>
            <numerusform>%1: no se pudieron escribir %n filas: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Delete &quot;%1&quot;? It will no longer be offered for new entries. Transactions and recurring transactions that use it keep it, and the register still shows its name.</source>
        <translation>¿Eliminar &quot;%1&quot;? Ya no se ofrecerá para nuevas entradas. Las transacciones y transacciones periódicas que la usan la conservan, y el registro sigue mostrando su nombre.</translation>
    </message>
    <message>
        <source>Its subcategories move to the top level.</source>
        <translation>Sus subcategorías pasan al nivel superior.</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Buscar categorías...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Añadir &amp;subcategoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardada</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>No se pudo guardar la categoría &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>No se pudieron guardar los cambios en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>This category no longer exists. Nothing was saved.</source>
        <translation>Esta categoría ya no existe. No se guardó nada.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>No eliminada</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar la categoría &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Categoría &amp;superior:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Relevante para impuestos</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Marque esta categoría para incluirla en los informes fiscales.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ej., charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>Código &amp;fiscal:</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; already exists here. Choose another name.</source>
        <translation>Ya existe aquí una categoría llamada «%1». Elija otro nombre.</translation>
    </message>
</context>
<context>
    <name>CategoryLookup</name>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>One category name, quoted, in a list of them.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message numerus="yes">
        <source>%n categories are named &quot;%1&quot;: choose one from the list.</source>
        <translation>
            <numerusform>%n categoría se llama «%1»: elija una de la lista.</numerusform>
            <numerusform>%n categorías se llaman «%1»: elija una de la lista.</numerusform>
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
        <translation>%1 o %2</translation>
    </message>
    <message numerus="yes">
        <source>%n categories are named &quot;%1&quot;: type %2.</source>
        <translation>
            <numerusform>%n categoría se llama «%1»: escriba %2.</numerusform>
            <numerusform>%n categorías se llaman «%1»: escriba %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donaciones benéficas</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos de negocio</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Servicios</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Pago del coche</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/Inquilino</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salario / Sueldo</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Autónomo / Consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Not imported: the row has too few fields</source>
        <translation>No importada: la fila tiene muy pocos campos</translation>
    </message>
    <message>
        <source>Not imported: no readable date</source>
        <translation>No importada: no hay una fecha legible</translation>
    </message>
    <message>
        <source>Not imported: no readable amount</source>
        <translation>No importada: no hay un importe legible</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation>Fila de encabezado: no se importa</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>%n fila para importar</numerusform>
            <numerusform>%n filas para importar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped</source>
        <translation>
            <numerusform>%n fila no se puede leer y se omitirá</numerusform>
            <numerusform>%n filas no se pueden leer y se omitirán</numerusform>
        </translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported without a category (category name shared by several categories)</source>
        <translation>
            <numerusform>%n transacción importada sin categoría (nombre de categoría compartido por varias categorías)</numerusform>
            <numerusform>%n transacciones importadas sin categoría (nombre de categoría compartido por varias categorías)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia vinculada entre cuentas</numerusform>
            <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluida %n vinculada a una fila importada anteriormente)</numerusform>
            <numerusform>  (incluidas %n vinculadas a filas importadas anteriormente)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n entrada omitida (ilegible)</numerusform>
            <numerusform>%n entradas omitidas (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n entrada de metadatos omitida</numerusform>
            <numerusform>%n entradas de metadatos omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n entrada omitida (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n entradas omitidas (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n entrada omitida (error de la base de datos — vea el log)</numerusform>
            <numerusform>%n entradas omitidas (error de la base de datos — vea el log)</numerusform>
        </translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Un error de la base de datos detuvo la importación y se deshicieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
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
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mes D, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>El archivo no contiene filas.</translation>
    </message>
    <message>
        <source>In the file: %1</source>
        <translation>En el archivo: %1</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivos QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivos QIF...</translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>Nada que importar</translation>
    </message>
    <message>
        <source>No transactions that can be imported were found in the chosen QIF file(s).</source>
        <translation>No se encontró ninguna transacción que se pueda importar en los archivos QIF elegidos.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot Read File</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened or read.</source>
        <translation>No se pudo abrir o leer el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>These files could not be opened or read:
%1</source>
        <translation>No se pudieron abrir o leer estos archivos:
%1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has changed since it was previewed. Check the preview and import again.</source>
        <translation>El archivo &quot;%1&quot; ha cambiado desde la vista previa. Revise la vista previa e importe de nuevo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no rows to import.</source>
        <translation>El archivo &quot;%1&quot; no contiene filas para importar.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; no longer exists. Choose another account.</source>
        <translation>La cuenta &quot;%1&quot; ya no existe. Elija otra cuenta.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>No hay cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija la cuenta en la que importar o cree una ahora.</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la cuenta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Choose the QIF files again to map their accounts.</source>
        <translation>Vuelva a elegir los archivos QIF para asignar sus cuentas.</translation>
    </message>
    <message>
        <source>The account chosen for %1 no longer exists. Choose another one.</source>
        <translation>La cuenta elegida para %1 ya no existe. Elija otra.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created; its transactions were skipped.</source>
        <translation>No se pudo crear la cuenta &quot;%1&quot;; se omitieron sus transacciones.</translation>
    </message>
    <message>
        <source>The accounts created for it were kept: %1.</source>
        <translation>Se conservaron las cuentas creadas para ella: %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>No transactions were found in the chosen file(s).</source>
        <translation>No se encontró ninguna transacción en los archivos elegidos.</translation>
    </message>
    <message>
        <source>Not imported: the date does not fit the chosen date format</source>
        <translation>No importada: la fecha no se ajusta al formato de fecha elegido</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) do not fit the chosen date format</source>
        <translation>
            <numerusform>%n fila no se ajusta al formato de fecha elegido</numerusform>
            <numerusform>%n filas no se ajustan al formato de fecha elegido</numerusform>
        </translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>La importación ha fallado.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Transacción importada</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Transferencias</translation>
    </message>
</context>
<context>
    <name>LarkAccount::AuthClient</name>
    <message>
        <source>Invalid sign-in address</source>
        <translation>Dirección de inicio de sesión no válida</translation>
    </message>
    <message>
        <source>Failed to start local auth server</source>
        <translation>No se pudo iniciar el servidor local de autenticación</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>No se recibieron tokens</translation>
    </message>
</context>
<context>
    <name>LarkAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personas con acceso</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Añadir personas</translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Create one or join one to share accounts.</source>
        <translation>Aún no tiene un grupo familiar. Cree uno o únase a uno para compartir cuentas.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Todos los miembros del grupo ya tienen acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aún no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 dejará de tener acceso. ¿Continuar?</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>¿Quitar el acceso?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
</context>
<context>
    <name>LarkAccount::WebAuthHandler</name>
    <message>
        <source>Bad request</source>
        <translation>Solicitud incorrecta</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message>
        <source>This page does not belong to the sign-in the application is waiting for. Start the sign-in again from the application.</source>
        <translation>Esta página no corresponde al inicio de sesión que espera la aplicación. Vuelva a iniciar sesión desde la aplicación.</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>¡Autenticación completada!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Puede cerrar esta pestaña y volver a la aplicación.</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>la dirección del servicio de actualizaciones no es válida</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>no se ha indicado la versión actual</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>error de red: %1</translation>
    </message>
    <message>
        <source>reply too large or too slow</source>
        <translation>respuesta demasiado grande o demasiado lenta</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>información de actualización no válida: %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>la versión %1 es anterior a la versión mínima %2 que requiere esta actualización; instale primero una versión intermedia</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La versión más reciente es la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*No hay notas de la versión disponibles para esta versión.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>LarkUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
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
        <translation>Bienvenido a Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar transacciones desde un archivo CSV en Archivo › Importar.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>No hay cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>The account order could not be saved.</source>
        <translation>No se pudo guardar el orden de las cuentas.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la cuenta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>No se pudieron guardar los cambios en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Esta cuenta ya no existe. No se guardó nada.</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Sharing requires a Larkspur account.</source>
        <translation>Para compartir se necesita una cuenta de Larkspur.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar &quot;%1&quot;?

Se quitarán todas las transacciones, transacciones periódicas e historial de conciliaciones de esta cuenta. Puede restaurarla desde Preferencias → Datos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted. Nothing was changed.</source>
        <translation>No se pudo eliminar &quot;%1&quot;. No se cambió nada.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Larkspur &amp;Account...</source>
        <translation>Cuenta de &amp;Larkspur...</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Inicie sesión o regístrese</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ce&amp;rrar sesión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>Com&amp;partir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Transacciones &amp;periódicas</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Larkspur Tallyleaf</source>
        <translation>&amp;Acerca de Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar act&amp;ualizaciones...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n transacción periódica registrada automáticamente</numerusform>
            <numerusform>%n transacciones periódicas registradas automáticamente</numerusform>
        </translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gestione su cuenta</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sesión no iniciada</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registro&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Guardar transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insertar nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Eliminar la transacción actual&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Campo siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apóstrofo)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copiar el valor del campo de arriba&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Campo de fecha&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Hoy&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Día siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del mes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del año&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día de la semana&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Conciliar cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buscar transacciones&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Informes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Transacciones periódicas&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categorías&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Cuentas&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;A digital check register for keeping track of your household finances.&lt;/p&gt;&lt;p&gt;Published by Larkspur. Visit &lt;a href=&apos;https://larkspur.app/tallyleaf&apos;&gt;larkspur.app/tallyleaf&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the &lt;a href=&apos;https://www.gnu.org/licenses/lgpl-3.0.html&apos;&gt;GNU Lesser General Public License version 3&lt;/a&gt;. See &lt;a href=&apos;https://www.qt.io/&apos;&gt;qt.io&lt;/a&gt;; the Qt source code is available at &lt;a href=&apos;https://download.qt.io/official_releases/qt/&apos;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Versión %2&lt;/p&gt;&lt;p&gt;Un registro de cheques digital para llevar el control de las finanzas de su hogar.&lt;/p&gt;&lt;p&gt;Publicado por Larkspur. Visite &lt;a href=&apos;https://larkspur.app/tallyleaf&apos;&gt;larkspur.app/tallyleaf&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Esta aplicación usa el framework Qt bajo la &lt;a href=&apos;https://www.gnu.org/licenses/lgpl-3.0.html&apos;&gt;Licencia Pública General Reducida de GNU, versión 3&lt;/a&gt;. Consulte &lt;a href=&apos;https://www.qt.io/&apos;&gt;qt.io&lt;/a&gt;; el código fuente de Qt está disponible en &lt;a href=&apos;https://download.qt.io/official_releases/qt/&apos;&gt;download.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Larkspur Tallyleaf</source>
        <translation>Acerca de Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded. Nothing was changed.</source>
        <translation>No se pudieron cargar los datos de ejemplo. No se cambió nada.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared. Nothing was changed.

Transactions, schedules or reconciliations added to a sample account keep it in place; delete them first.</source>
        <translation>No se pudieron borrar los datos de ejemplo. No se cambió nada.

Las transacciones, programaciones o conciliaciones añadidas a una cuenta de ejemplo impiden quitarla; elimínelas primero.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartir: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Larkspur family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Larkspur. Verán el mismo registro, los mismos saldos y el mismo historial de conciliaciones en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aún no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>You&apos;re not in a Larkspur family group yet. Create or join one under File › Larkspur Account to share accounts.</source>
        <translation>Aún no pertenece a un grupo familiar de Larkspur. Cree uno o únase a uno en Archivo › Cuenta de Larkspur para compartir cuentas.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Error al compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Error al quitar el acceso</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar el acceso de %1 a esta cuenta?</translation>
    </message>
    <message>
        <source>Larkspur Account</source>
        <translation>Cuenta de Larkspur</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>No web browser could be opened. To sign in, open this address in your browser:</source>
        <translation>No se pudo abrir ningún navegador web. Para iniciar sesión, abra esta dirección en su navegador:</translation>
    </message>
    <message>
        <source>Another Larkspur Account</source>
        <translation>Otra cuenta de Larkspur</translation>
    </message>
    <message>
        <source>This computer holds data synced with another Larkspur account. Upload it to %1?</source>
        <translation>Este equipo contiene datos sincronizados con otra cuenta de Larkspur. ¿Desea subirlos a %1?</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renombrar como:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar seleccionados</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionar seleccionados</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n transacción</numerusform>
            <numerusform>%n transacciones</numerusform>
        </translation>
    </message>
    <message>
        <source>The payees could not be changed. No transaction was changed.</source>
        <translation>No se pudieron cambiar los beneficiarios. No se cambió ninguna transacción.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al renombrar</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se renombró el beneficiario en %n transacción.</numerusform>
            <numerusform>Se renombró el beneficiario en %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para fusionarlos.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Fusionar %1 beneficiarios en &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionar beneficiarios</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Error al fusionar</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusión completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Fusión aplicada a %n transacción.</numerusform>
            <numerusform>Fusión aplicada a %n transacciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión disponibles para %1 %2</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
</context>
<context>
    <name>QifMappingBox</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde importar cada cuenta de Quicken. Las transferencias entre cuentas asignadas en los archivos seleccionados se vincularán automáticamente.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear la cuenta nueva &quot;%1&quot; —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estas transacciones —</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aún no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Pagos compensados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finalizar conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se concilió correctamente.</translation>
    </message>
    <message>
        <source>Reconciliation Not Saved</source>
        <translation>Conciliación no guardada</translation>
    </message>
    <message>
        <source>Some transactions were changed elsewhere since this list was loaded. Nothing was saved; review the list and finish again.</source>
        <translation>Algunas transacciones se modificaron en otro lugar después de cargar esta lista. No se guardó nada; revise la lista y vuelva a finalizar.</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Esta cuenta ya no existe. No se guardó nada.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>No se pudo guardar la conciliación. No se cambió nada.</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Esta transacción ya no existe.</translation>
    </message>
    <message>
        <source>Discard Reconciliation</source>
        <translation>Descartar conciliación</translation>
    </message>
    <message>
        <source>Discard this reconciliation?</source>
        <translation>¿Descartar esta conciliación?</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción periódica</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción periódica</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada 2 semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Repeat every:</source>
        <translation>Repetir cada:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Primer día:</translation>
    </message>
    <message>
        <source>Second day:</source>
        <translation>Segundo día:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Tiene fecha de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Registrar con antelación:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semana</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
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
        <translation>año</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (eliminada)</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transferir a:</translation>
    </message>
    <message>
        <source>Recurring Transaction</source>
        <translation>Transacción recurrente</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;. Choose one from the list, or clear the field for no category.</source>
        <translation>Ninguna categoría se llama «%1». Elija una de la lista o vacíe el campo para no usar categoría.</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts. Choose another account to transfer to.</source>
        <translation>Una transferencia necesita dos cuentas distintas. Elija otra cuenta de destino.</translation>
    </message>
    <message>
        <source>The chosen account no longer exists. Choose another account.</source>
        <translation>La cuenta elegida ya no existe. Elija otra cuenta.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>last day</source>
        <translation>último día</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Quincenal (%1 y %2)</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Cada %1 días</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Cada %1 semanas</translation>
    </message>
    <message>
        <source>Every %1 months</source>
        <translation>Cada %1 meses</translation>
    </message>
    <message>
        <source>Every %1 years</source>
        <translation>Cada %1 años</translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próx. venc.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Autom.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar pendientes</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Registrar próximos 7 días</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva periódica</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(pendientes: %1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Registrar &amp;antes...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>No se pudo guardar la transacción periódica.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>No se pudieron guardar los cambios en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>¿Registrar &quot;%1&quot; ahora, con fecha %2? La transacción lleva su fecha de vencimiento y puede editarla o eliminarla más tarde.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Registrar antes</translation>
    </message>
    <message>
        <source>Not Skipped</source>
        <translation>No omitida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped; its next due date is unchanged.</source>
        <translation>No se pudo omitir &quot;%1&quot;; su próximo vencimiento no cambia.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la transacción periódica &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>No eliminada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Due transactions not posted: %1 of %2.</source>
        <translation>Transacciones pendientes no registradas: %1 de %2.</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>¿Registrar todas las transacciones periódicas que vencen en los próximos 7 días? Llevan sus fechas de vencimiento y puede editarlas o eliminarlas más tarde.</translation>
    </message>
    <message>
        <source>Some occurrences due by %1 were not entered (recurring transactions still due by then: %2).</source>
        <translation>Algunas repeticiones que vencen hasta el %1 no se registraron (transacciones periódicas aún pendientes hasta esa fecha: %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; due %2 was not posted.</source>
        <translation>No se registró &quot;%1&quot; con vencimiento el %2.</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>No registrada</translation>
    </message>
    <message>
        <source>Possible reasons: the occurrence is already in the register, a transfer account is missing or deleted, or the schedule&apos;s dates are broken.</source>
        <translation>Posibles motivos: la repetición ya está en el registro, falta o se eliminó una cuenta de transferencia, o las fechas de la programación no son válidas.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardada</translation>
    </message>
    <message>
        <source>This recurring transaction no longer exists. Nothing was saved.</source>
        <translation>Esta transacción periódica ya no existe. No se guardó nada.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>RegisterFilterDialog</name>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensadas</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensadas</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Limit to a date range</source>
        <translation>Limitar a un intervalo de fechas</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Nota</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensado</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>Filter (%1)</source>
        <translation>Filtro (%1)</translation>
    </message>
    <message>
        <source>Filters are applied. Click to change or clear them.</source>
        <translation>Hay filtros aplicados. Haga clic para cambiarlos o quitarlos.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter which transactions are listed</source>
        <translation>Filtrar las transacciones que se muestran</translation>
    </message>
    <message>
        <source>The filter could not be saved for next time.</source>
        <translation>No se pudo guardar el filtro para la próxima vez.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>No se pudo guardar la transacción.</translation>
    </message>
    <message>
        <source>Saved. It isn&apos;t listed because of the current filter.</source>
        <translation>Guardada. No aparece en la lista por el filtro actual.</translation>
    </message>
    <message>
        <source>This transaction no longer exists. Nothing was saved.</source>
        <translation>Esta transacción ya no existe. No se guardó nada.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos vaciados</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción memorizada como periódica</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>No se pudo guardar la transacción periódica.</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Mostrar columnas</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Restablecer el diseño del registro</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Editar en ventana...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar de&amp;sglose...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>De&amp;sglosar transacción...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;uplicar...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como no c&amp;ompensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Amounts can be at most %1</source>
        <translation>Los importes no pueden superar %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>&quot;%1&quot; no es un importe</translation>
    </message>
    <message>
        <source>Enter a date that exists, such as %1</source>
        <translation>Introduzca una fecha que exista, como %1</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>No hay ninguna categoría llamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>This transaction is already a transfer to another account</source>
        <translation>Esta transacción ya es una transferencia a otra cuenta</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Transacción sin guardar</translation>
    </message>
    <message>
        <source>Save the transaction you were entering?</source>
        <translation>¿Guardar la transacción que estaba introduciendo?</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Esta cuenta ya no existe. No se guardó nada.</translation>
    </message>
    <message>
        <source>This transaction was moved to another account. Saving keeps your changes there.</source>
        <translation>Esta transacción se movió a otra cuenta. Al guardar, sus cambios se conservan allí.</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el informe en %1.

%2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos y gastos</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensado</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año vs. año pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado vs. año anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre vs. trimestre anterior</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Período 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Período 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Interanual</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1: %1 – %2    P2: %3 – %4</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta corriente principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Cooperativa de Crédito Riverbend</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
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
        <translation>Nómina cada 2 semanas</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Apartamentos Pinecrest</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Alquiler de febrero</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Mercado Greenleaf</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Gasolinera Hilltop</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Repostaje</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Suministros Lakeside</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Factura de la luz</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Factura del agua</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming mensual</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Restaurante Maplewood</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Cena fuera</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Seguros Clearview</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Iglesia Comunitaria Hope</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Donación mensual</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transferencia a Ahorros</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Alquiler de marzo</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Servicio de internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Almuerzo</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Farmacia Ridgeline</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Medicamentos con receta</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café y bollería</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Abono de intereses</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Transferencia desde cuenta corriente</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Comida a domicilio</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Funda de móvil</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Plan de almacenamiento en la nube</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Pago - Gracias</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Pago de la tarjeta de crédito</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grano</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Libros de programación</translation>
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
        <translation>Alquiler mensual</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, n.º de cheque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo compensadas</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Esta transacción ya no existe.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar de&amp;sglose...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>De&amp;sglosar transacción...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Editar en ventana...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;uplicar...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como no c&amp;ompensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensada</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>E&amp;liminar...</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Larkspur Tallyleaf looks.</source>
        <translation>Elija el aspecto de Larkspur Tallyleaf.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Elegir color de énfasis</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Color de énfasis</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Inicio de semana</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Larkspur Tallyleaf.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Larkspur Tallyleaf.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Mostrar la nota en una segunda línea, debajo del beneficiario.</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Decimales automáticos</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>Escriba 1234 para introducir 12.34. Las dos últimas cifras son siempre los céntimos.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Ordenación</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Elija el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si está activada, las transacciones más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Larkspur Tallyleaf</source>
        <translation>Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A digital tallyleaf register for tracking household finances.</source>
        <translation>Un registro de cheques digital para llevar el control de las finanzas de su hogar.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Tallyleaf for iPhone and Android</source>
        <translation>Tallyleaf para iPhone y Android</translation>
    </message>
    <message>
        <source>© Larkspur. All rights reserved.</source>
        <translation>© Larkspur. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Esta aplicación usa el framework Qt bajo la licencia LGPL v3.</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…y %n más.</numerusform>
            <numerusform>…y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your tallyleaf in sync across all your devices.</source>
        <translation>Mantenga sus datos sincronizados en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Sincronizar todo</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde sus datos en un archivo de copia de seguridad portátil o restáurelos desde él.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que haya eliminado.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar selección</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Larkspur Account to enable sync.</source>
        <translation>Sesión no iniciada.
Inicie sesión en Archivo › Cuenta de Larkspur para activar la sincronización.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir al servidor todas las filas locales y a descargar todos los datos del servidor. Úselo si los datos no coinciden entre dispositivos.

¿Continuar?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>The backup could not be created.</source>
        <translation>No se pudo crear la copia de seguridad.</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar fechas)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>The backup could not be imported:

%1</source>
        <translation>No se pudo importar la copia de seguridad:

%1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Elementos importados: %1; omitidos: %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Error al restaurar</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored.</source>
        <translation>No se pudo restaurar la cuenta «%1».</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Exportando copia de seguridad...</translation>
    </message>
    <message>
        <source>Replace All Data</source>
        <translation>Reemplazar todos los datos</translation>
    </message>
    <message>
        <source>Every account, category, transaction, schedule and reconciliation that is also in the backup is overwritten with the backup&apos;s version: changes made since the backup was made are lost. This cannot be undone.

Replace with the backup data?</source>
        <translation>Cada cuenta, categoría, transacción, programación y conciliación que también esté en la copia de seguridad se sobrescribe con la versión de la copia: se pierden los cambios hechos desde que se creó. Esta acción no se puede deshacer.

¿Reemplazar con los datos de la copia de seguridad?</translation>
    </message>
    <message>
        <source>Importing backup...</source>
        <translation>Importando copia de seguridad...</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar transacción</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Añadir línea</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Quitar</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (eliminada)</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar transacción</translation>
    </message>
    <message>
        <source>Split line %1 has an amount but no category. Choose a category for it, or set its amount to 0 to drop it.</source>
        <translation>La línea de desglose %1 tiene un importe pero no una categoría. Elija una categoría o ponga su importe a 0 para descartarla.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n periódica pendiente</numerusform>
            <numerusform>  •  %n periódicas pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message numerus="yes">
        <source>%n change(s) were refused by the server: %1</source>
        <translation>
            <numerusform>El servidor rechazó %n cambio: %1</numerusform>
            <numerusform>El servidor rechazó %n cambios: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>Transaction</source>
        <translation>Transacción</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Nothing was changed.</source>
        <translation>No se pudo guardar la transacción. No se cambió nada.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia &quot;%1&quot; por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar &quot;%1&quot; por %2?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>The transaction could not be deleted. Nothing was changed.</source>
        <translation>No se pudo eliminar la transacción. No se cambió nada.</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>A transfer can&apos;t be split across categories</source>
        <translation>Una transferencia no se puede desglosar en categorías</translation>
    </message>
    <message>
        <source>The cleared state could not be saved.</source>
        <translation>No se pudo guardar el estado de compensación.</translation>
    </message>
    <message>
        <source>This transaction no longer exists.</source>
        <translation>Esta transacción ya no existe.</translation>
    </message>
    <message>
        <source>This transaction no longer exists. Nothing was saved.</source>
        <translation>Esta transacción ya no existe. No se guardó nada.</translation>
    </message>
    <message>
        <source>This account no longer exists. Nothing was saved.</source>
        <translation>Esta cuenta ya no existe. No se guardó nada.</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Detalles de la transacción</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensada</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar como no compensada</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar como compensada</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transferencia a:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Creada: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>Duplicar...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Líneas de desglose</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(no hay líneas de desglose guardadas)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>The cleared state could not be saved.</source>
        <translation>No se pudo guardar el estado de compensación.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Desglosar...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Desglosar esta transacción en varias categorías, cada una con su propio importe y nota.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Usar una sola categoría</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Descartar el desglose y volver a una transacción con una sola categoría.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (eliminada)</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Welcome to
Larkspur Tallyleaf</source>
        <translation>Bienvenido a
Larkspur Tallyleaf</translation>
    </message>
    <message>
        <source>A digital tallyleaf register.</source>
        <translation>Un registro de cheques digital.</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha finalizado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funciona totalmente sin conexión. Sus datos se quedan en este dispositivo.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Añada una cuenta (corriente, de ahorros, tarjeta de crédito o cualquier cuenta que quiera controlar).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Anote las transacciones a medida que gasta.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Concilie cuando reciba su extracto.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bienvenido de nuevo</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Inicie sesión para mantener sus datos sincronizados entre dispositivos.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Iniciar sesión</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Crear otra cuenta</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Crear su primera cuenta</translation>
    </message>
</context>
</TS>
