<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_419" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>OLE initialization failed. Make sure that the OLE libraries are the correct version.</source>
        <translation>Falló la inicialización de OLE. Asegúrese de que las bibliotecas OLE sean de la versión correcta.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Error fatal: 101.</translation>
    </message>
    <message>
        <source>Fatal error.
Please uninstall and re-install ZQV CPS.</source>
        <translation>Error fatal.
Desinstale y vuelva a instalar ZQV CPS.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>No se pudo cargar el perfil.</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Falló la inicialización de Windows Sockets.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Perfil no válido.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Programing error: 107.</source>
        <translation>Error de programación: 107.</translation>
    </message>
    <message>
        <source>Programing error: 108.</source>
        <translation>Error de programación: 108.</translation>
    </message>
    <message>
        <source>Scroll List</source>
        <translation>Lista de desplazamiento</translation>
    </message>
    <message>
        <source>Channel %d</source>
        <translation>Canal %d</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>Modo de rastreo</translation>
    </message>
    <message>
        <source>A similar name already exists in the contact list. Please specify a different name.</source>
        <translation>Ya existe un nombre similar en la lista de contactos. Especifique un nombre diferente.</translation>
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
Perfil
ZQVCPSProfile
Archivos de ZQV CPS (*.zqv)
.zqv
ZQVCPS.Profile
ZQVCPS.Profile</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Mensajes de texto</translation>
    </message>
    <message>
        <source>A similar PID already exists in the contact list. Please specify a different PID.</source>
        <translation>Este PID ya existe en la lista de contactos. Especifique un PID diferente.</translation>
    </message>
    <message>
        <source>Changing the channel will remove this public group from channel %d&apos;s scan list and add it to channel %d&apos;s scan list. Do you want to continue?</source>
        <translation>Al cambiar el canal, este grupo público se quitará de la lista de rastreo del canal %d y se agregará a la lista de rastreo del canal %d. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Channel changed successfully, but the new channel&apos;s scan list is full, this contact has not been added to new channel&apos;s scan list.</source>
        <translation>El canal se cambió correctamente, pero la lista de rastreo del nuevo canal está llena; este contacto no se agregó a la lista de rastreo del nuevo canal.</translation>
    </message>
    <message>
        <source>Programing error: 135.
No available private contacts in the new channel.</source>
        <translation>Error de programación: 135.
No hay contactos privados disponibles en el nuevo canal.</translation>
    </message>
    <message>
        <source>Changing this Private Group&apos;s channel will remove all of its members. Do you want to continue?</source>
        <translation>Al cambiar el canal de este grupo privado se quitarán todos sus miembros. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Changing this Private contact&apos;s channel will remove it from all of its Private Groups and any Private Groups with no member will be deleted.  Also, this contact&apos;s Home Group field will be cleared. Do you want to continue?</source>
        <translation>Al cambiar el canal de este contacto privado, se quitará de todos sus grupos privados y se eliminarán los grupos privados que queden sin miembros.  Además, se borrará el campo Grupo de inicio de este contacto. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Private contact already belongs to maximum number of private groups. Please remove this private contact from a private group first.</source>
        <translation>El contacto privado ya pertenece al número máximo de grupos privados. Primero quite este contacto privado de un grupo privado.</translation>
    </message>
    <message>
        <source>Deleting this Private Group will remove all of its members. Do you want to continue?</source>
        <translation>Al eliminar este grupo privado se quitarán todos sus miembros. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Deleting this Private contact will remove it from all of its Private Groups and any Private Groups with no member will be deleted. Do you want to continue?</source>
        <translation>Al eliminar este contacto privado, se quitará de todos sus grupos privados y se eliminarán los grupos privados que queden sin miembros. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Datos del distribuidor</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Datos de contacto</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Error: There is an error when to acquire language type!</source>
        <translation>Error: ¡Se produjo un error al obtener el tipo de idioma!</translation>
    </message>
    <message>
        <source>The length of contact name can not exceed %d.</source>
        <translation>La longitud del nombre del contacto no puede superar %d.</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Elija una plantilla de reporte.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Reportes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Radio-Specific Report</source>
        <translation>Reporte específico del radio</translation>
    </message>
    <message>
        <source>Overview Report</source>
        <translation>Reporte general</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Reporte</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Home Channel</source>
        <translation>Canal de inicio</translation>
    </message>
    <message>
        <source>See All Groups</source>
        <translation>Ver todos los grupos</translation>
    </message>
    <message>
        <source>Receive From</source>
        <translation>Recibir de</translation>
    </message>
    <message>
        <source>Transmit To</source>
        <translation>Transmitir a</translation>
    </message>
    <message>
        <source>All Privates</source>
        <translation>Todos los privados</translation>
    </message>
    <message>
        <source>All Private Groups</source>
        <translation>Todos los grupos privados</translation>
    </message>
    <message>
        <source>All Public Groups</source>
        <translation>Todos los grupos públicos</translation>
    </message>
    <message>
        <source>Manager Mode Enabled</source>
        <translation>Modo administrador activado</translation>
    </message>
    <message>
        <source>See All Groups Enabled</source>
        <translation>Ver todos los grupos activado</translation>
    </message>
    <message>
        <source>Group Only Enabled</source>
        <translation>Solo grupo activado</translation>
    </message>
    <message>
        <source>Private Groups</source>
        <translation>Grupos privados</translation>
    </message>
    <message>
        <source>Public Groups</source>
        <translation>Grupos públicos</translation>
    </message>
    <message>
        <source>Receive List</source>
        <translation>Lista de recepción</translation>
    </message>
    <message>
        <source>Group Members</source>
        <translation>Miembros del grupo</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>The length of text message can not exceed %d characters.</source>
        <translation>La longitud del mensaje de texto no puede superar %d caracteres.</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Manager Mode</source>
        <translation>Modo administrador</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Scroll List (global)</source>
        <translation>Lista de desplazamiento (global)</translation>
    </message>
    <message>
        <source>Scroll List (private)</source>
        <translation>Lista de desplazamiento (privada)</translation>
    </message>
    <message>
        <source>Private Scroll List</source>
        <translation>Lista de desplazamiento privada</translation>
    </message>
    <message>
        <source>The message can only contain ISO-8859-1 characters. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>El mensaje solo puede contener caracteres ISO-8859-1. Si continúa, este mensaje se eliminará. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Contact name can only contain ISO-8859-1 characters.</source>
        <translation>El nombre del contacto solo puede contener caracteres ISO-8859-1.</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Panel de ayuda</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Algunos archivos que necesita el CPS no están disponibles.
Vuelva a instalar el CPS.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Falta el archivo de recursos del idioma. El CPS se iniciará en inglés.</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Debe reiniciar el CPS para que este cambio surta efecto.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Agregar	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Scan(Add)	Ctrl+T</source>
        <translation>E&amp;scanear (agregar)	Ctrl+T</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Eliminar	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Cambiar &amp;nombre	F2</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>Datos del &amp;distribuidor</translation>
    </message>
    <message>
        <source>Pr&amp;eference</source>
        <translation>P&amp;referencias</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Error: Unable to convert the radio text format into the CPS text format.</source>
        <translation>Error: No se puede convertir el formato de texto del radio al formato de texto del CPS.</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>&amp;Read	Ctrl+R</source>
        <translation>&amp;Leer	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write	Ctrl+W</source>
        <translation>&amp;Escribir	Ctrl+W</translation>
    </message>
    <message>
        <source>R&amp;eset	Ctrl+E</source>
        <translation>&amp;Restablecer	Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Reporte</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content and Index...	F1</source>
        <translation>&amp;Contenido e índice...	F1</translation>
    </message>
    <message>
        <source>&amp;About %s...</source>
        <translation>&amp;Acerca de %s...</translation>
    </message>
    <message>
        <source>Error: Unable to convert CPS character format into the radio text format.</source>
        <translation>Error: No se puede convertir el formato de caracteres del CPS al formato de texto del radio.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Error: 101 Some node exist in CodePlugSetting part and VisibleSetting.</source>
        <translation>Error: 101 Algunos nodos existen en la parte CodePlugSetting y en VisibleSetting.</translation>
    </message>
    <message>
        <source>Error: 102 Some node are not correct, please check.</source>
        <translation>Error: 102 Algunos nodos no son correctos; revíselos.</translation>
    </message>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the ZQV CPS.</source>
        <translation>El CPS necesita el motor de VBScript para iniciarse. Instale el motor de VBScript antes de volver a iniciar ZQV CPS.</translation>
    </message>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Ingrese 4 caracteres numéricos.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Las contraseñas que ingresó no coinciden.</translation>
    </message>
    <message>
        <source>The opened profile is not the latest format. Do you want convert it to the latest format?
(You can&apos;t convert it back to the original format once you select yes.)</source>
        <translation>El perfil abierto no tiene el formato más reciente. ¿Desea convertirlo al formato más reciente?
(Si selecciona Sí, no podrá volver a convertirlo al formato original.)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>File format is error. Failed to save.</source>
        <translation>El formato del archivo es incorrecto. No se pudo guardar.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Ingrese la contraseña:</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it.</source>
        <translation>La contraseña no es correcta. Revísela.</translation>
    </message>
    <message>
        <source>Error: Unable to get radio password.</source>
        <translation>Error: No se puede obtener la contraseña del radio.</translation>
    </message>
    <message>
        <source>No COM port is detected on this computer.</source>
        <translation>No se detectó ningún puerto COM en esta computadora.</translation>
    </message>
    <message>
        <source>ZQV7 M profile is not compatible with ZQV7 radio.</source>
        <translation>El perfil ZQV7 M no es compatible con el radio ZQV7.</translation>
    </message>
    <message>
        <source>Auto Detect COM Port</source>
        <translation>Autodetectar puerto COM</translation>
    </message>
    <message>
        <source>Do you want to create a new profile(Yes), overwrite the currently selected profile(No) or cancel it?</source>
        <translation>¿Desea crear un perfil nuevo (Sí), sobrescribir el perfil seleccionado actualmente (No) o cancelar?</translation>
    </message>
    <message>
        <source>Preference Setting</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Select COM Port</source>
        <translation>Seleccionar puerto COM</translation>
    </message>
    <message>
        <source>Can not read the registry entry of </source>
        <translation>No se puede leer la entrada del registro de </translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Leyendo del radio ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Escribiendo en el radio ...</translation>
    </message>
    <message>
        <source>Reading successful!</source>
        <translation>¡Lectura correcta!</translation>
    </message>
    <message>
        <source>Writing success!</source>
        <translation>¡Escritura correcta!</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Transfiriendo</translation>
    </message>
    <message>
        <source>Warning: The radio being programmed is not in this profile. Do you want to continue?</source>
        <translation>Advertencia: El radio que se está programando no está en este perfil. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Warning: Some profile information is not supported by the host radio and therefore it will not be transferred. Do you want to continue?</source>
        <translation>Advertencia: El radio conectado no admite parte de la información del perfil, por lo que esa parte no se transferirá. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Unknown Warning!</source>
        <translation>¡Advertencia desconocida!</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Perfil nuevo</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Elija el modelo del perfil.</translation>
    </message>
    <message>
        <source>Unit Private ID</source>
        <translation>ID privado de la unidad</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versión de codeplug</translation>
    </message>
    <message>
        <source>Press Home 3 times and then PTT on the other radio.</source>
        <translation>Presione Home 3 veces y luego PTT en el otro radio.</translation>
    </message>
    <message>
        <source>Home Group</source>
        <translation>Grupo de inicio</translation>
    </message>
    <message>
        <source>Group Only</source>
        <translation>Solo grupo</translation>
    </message>
    <message>
        <source>Ringer</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>The message field is blank. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>El campo del mensaje está vacío. Si continúa, este mensaje se eliminará. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Note: Canceling the operation...</source>
        <translation>Nota: Cancelando la operación...</translation>
    </message>
    <message>
        <source>There should be at least one group member assigned!</source>
        <translation>¡Debe asignarse al menos un miembro al grupo!</translation>
    </message>
    <message>
        <source>Read Private ID from Radio</source>
        <translation>Leer ID privado del radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Error: ¡No se encuentran los archivos de plantilla!</translation>
    </message>
    <message>
        <source>Fatal registry error. Please reinstall CPS.</source>
        <translation>Error fatal del registro. Vuelva a instalar el CPS.</translation>
    </message>
    <message>
        <source>Failure to read dealer information from the registry!</source>
        <translation>¡No se pudo leer la información del distribuidor del registro!</translation>
    </message>
    <message>
        <source>Failure to write dealer information to the registry!</source>
        <translation>¡No se pudo escribir la información del distribuidor en el registro!</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade
          your CPS software.</source>
        <translation>Error: La versión del radio no es compatible. Actualice
          el software CPS.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that
          does not support the CPS.</source>
        <translation>Error: Su radio tiene una versión de firmware anterior que
          no es compatible con el CPS.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset or a radio write
          operation first.</source>
        <translation>Error: Primero realice un restablecimiento del radio o una
          operación de escritura en el radio.</translation>
    </message>
    <message>
        <source>Error: Radio model is unsupported.</source>
        <translation>Error: El modelo de radio no es compatible.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a
          few seconds.</source>
        <translation>Error: El radio está ocupado. Vuelva a intentarlo en
          unos segundos.</translation>
    </message>
    <message>
        <source>Error: Operation timed out.</source>
        <translation>Error: Se agotó el tiempo de espera de la operación.</translation>
    </message>
    <message>
        <source>Error: COM port already in use by another application.</source>
        <translation>Error: Otra aplicación ya está usando el puerto COM.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio.
          Please check your connection and try again.</source>
        <translation>Error: No se puede establecer una conexión con el radio.
          Revise la conexión y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>ZQV CPS - the programming software for ZQV push-to-talk radios</source>
        <translation>ZQV CPS: el software de programación para radios ZQV de pulsar para hablar</translation>
    </message>
    <message>
        <source>Version %s</source>
        <translation>Versión %s</translation>
    </message>
    <message>
        <source>Copyright (C) Corvane. All rights reserved.</source>
        <translation>Copyright (C) Corvane. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>This program is protected by copyright law.</source>
        <translation>Este programa está protegido por la ley de derechos de autor.</translation>
    </message>
    <message>
        <source>Unauthorized copying or distribution of this program, or of any part of it, is not permitted.</source>
        <translation>No se permite la copia ni la distribución no autorizadas de este programa ni de ninguna de sus partes.</translation>
    </message>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Error: ¡No se encuentra el archivo de ayuda!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Error: ¡El formato del archivo de ayuda no es válido!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in registry!</source>
        <translation>Error: ¡No se encuentra la información del archivo de ayuda en el registro!</translation>
    </message>
    <message>
        <source>Error: Operation Failed.</source>
        <translation>Error: Falló la operación.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%s).</source>
        <translation>Error: Falló la operación (%s).</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%d).</source>
        <translation>Error: Falló la operación (%d).</translation>
    </message>
    <message>
        <source>Invalid Opcode</source>
        <translation>Código de operación no válido</translation>
    </message>
    <message>
        <source>Unsupported Command</source>
        <translation>Comando no admitido</translation>
    </message>
    <message>
        <source>Operation Unsupported</source>
        <translation>Operación no admitida</translation>
    </message>
    <message>
        <source>User Canceled</source>
        <translation>Cancelado por el usuario</translation>
    </message>
    <message>
        <source>Message Compose</source>
        <translation>Redacción de mensaje</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade your CPS software.</source>
        <translation>Error: La versión del radio no es compatible. Actualice el software CPS.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a few seconds.</source>
        <translation>Error: El radio está ocupado. Vuelva a intentarlo en unos segundos.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio. Please check your connection and try again.</source>
        <translation>Error: No se puede establecer una conexión con el radio. Revise la conexión y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that does not support the CPS.</source>
        <translation>Error: Su radio tiene una versión de firmware anterior que no es compatible con el CPS.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset.</source>
        <translation>Error: Realice un restablecimiento del radio.</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Error: La vista de información del radio no pudo cargar los datos.</translation>
    </message>
    <message>
        <source>Error: Text messages view loads data.</source>
        <translation>Error: La vista de mensajes de texto no pudo cargar los datos.</translation>
    </message>
    <message>
        <source>Rule script error (JavaScript engine)
</source>
        <translation>Error en el script de reglas (motor de JavaScript)
</translation>
    </message>
    <message>
        <source>Line: %d
</source>
        <translation>Línea: %d
</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>¿Guardar los cambios en %s?</translation>
    </message>
    <message>
        <source>This ID is not valid for this radio model.</source>
        <translation>Este ID no es válido para este modelo de radio.</translation>
    </message>
    <message>
        <source>Valid IDs for this model: %s to %s.</source>
        <translation>ID válidos para este modelo: de %s a %s.</translation>
    </message>
    <message>
        <source>The ID is held by &quot;%s&quot;.</source>
        <translation>El ID pertenece a &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Bank %d</source>
        <translation>Banco %d</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>The private scroll list is empty. Do you want to start it with the contacts of the scroll list?</source>
        <translation>La lista de desplazamiento privada está vacía. ¿Desea llenarla con los contactos de la lista de desplazamiento?</translation>
    </message>
    <message>
        <source>The value is not valid.</source>
        <translation>El valor no es válido.</translation>
    </message>
    <message>
        <source>Error: The COM port does not exist. Check that the cable is plugged in and that the right port is chosen.</source>
        <translation>Error: El puerto COM no existe. Verifique que el cable esté conectado y que se haya elegido el puerto correcto.</translation>
    </message>
    <message>
        <source>Error: The connection to the radio was lost during the transfer. Check the cable and try again.</source>
        <translation>Error: Se perdió la conexión con el radio durante la transferencia. Revise el cable y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s firmware version %s belongs to no setting group of this installation. Please upgrade your CPS software.</source>
        <translation>Error: La versión de firmware %s del radio no pertenece a ningún grupo de ajustes de esta instalación. Actualice el software CPS.</translation>
    </message>
    <message>
        <source>%d contact(s) of a type this program does not know were left out of the read.</source>
        <translation>Se omitieron de la lectura %d contacto(s) de un tipo que este programa no conoce.</translation>
    </message>
    <message>
        <source>%d control character(s) in names and texts read from the radio were replaced by blanks.</source>
        <translation>Se reemplazaron por espacios %d carácter(es) de control en nombres y textos leídos del radio.</translation>
    </message>
    <message>
        <source>The radio was reset after the write stopped part-way and holds an incomplete profile. Write the whole profile into the radio again.</source>
        <translation>El radio se restableció después de que la escritura se detuvo a medias y contiene un perfil incompleto. Vuelva a escribir el perfil completo en el radio.</translation>
    </message>
    <message>
        <source>The file is too large for a profile: a profile holds at most %d KB.</source>
        <translation>El archivo es demasiado grande para un perfil: un perfil ocupa como máximo %d KB.</translation>
    </message>
    <message>
        <source>The file is not a valid profile: an element has more than %d attributes.</source>
        <translation>El archivo no es un perfil válido: un elemento tiene más de %d atributos.</translation>
    </message>
    <message>
        <source>%s is not a regular file and cannot be opened as a profile.</source>
        <translation>%s no es un archivo normal y no se puede abrir como perfil.</translation>
    </message>
    <message>
        <source>The profile is incomplete: the setting &quot;%s&quot; is missing.</source>
        <translation>El perfil está incompleto: falta el ajuste &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Failed to save %s.
%s</source>
        <translation>No se pudo guardar %s.
%s</translation>
    </message>
    <message>
        <source>The radio cannot take the profile exactly as it is. Writing it changes the following:

%s

Do you want to write the radio anyway?</source>
        <translation>El radio no puede aceptar el perfil exactamente como está. Al escribirlo cambia lo siguiente:

%s

¿Desea escribir en el radio de todos modos?</translation>
    </message>
    <message>
        <source>%s, %s: the profile has &quot;%s&quot;, the radio would get &quot;%s&quot;</source>
        <translation>%s, %s: el perfil tiene &quot;%s&quot;, el radio recibiría &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%s: not written to the radio</source>
        <translation>%s: no se escribe en el radio</translation>
    </message>
    <message>
        <source>%s, %s: &quot;%s&quot; is also the name of %s; contacts are found by name, so only the first is used</source>
        <translation>%s, %s: &quot;%s&quot; también es el nombre de %s; los contactos se buscan por nombre, así que solo se usa el primero</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Advertencia: %s</translation>
    </message>
    <message>
        <source>%s: not written, its record is too long for the radio</source>
        <translation>%s: no se escribe, su registro es demasiado largo para el radio</translation>
    </message>
    <message>
        <source>... and %s more</source>
        <translation>... y %s más</translation>
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
        <translation>No se pudieron leer las preferencias del programa y se restablecieron. El archivo ilegible se conservó como:
%s</translation>
    </message>
    <message>
        <source>Write a link trace</source>
        <translation>Guardar un registro del enlace</translation>
    </message>
    <message>
        <source>Trace file: %s</source>
        <translation>Archivo de registro: %s</translation>
    </message>
    <message>
        <source>The link trace file %s could not be opened: %s</source>
        <translation>No se pudo abrir el archivo de registro del enlace %s: %s</translation>
    </message>
    <message>
        <source>ZQV Radio Information</source>
        <translation>Información del radio ZQV</translation>
    </message>
    <message>
        <source>This radio is protected by a codeplug password. Give it with --password.</source>
        <translation>Este radio está protegido con una contraseña de codeplug. Indíquela con --password.</translation>
    </message>
    <message>
        <source>Setting Group</source>
        <translation>Grupo de ajustes</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponibles</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seleccionados</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>The Radio-Specific Report describes the radio whose Unit Private ID belongs to a private contact of the profile. This profile has no such contact.</source>
        <translation>El reporte específico del radio describe el radio cuyo ID privado de la unidad pertenece a un contacto privado del perfil. Este perfil no tiene ese contacto.</translation>
    </message>
    <message>
        <source>The report could not be saved as %s.</source>
        <translation>No se pudo guardar el reporte como %s.</translation>
    </message>
    <message>
        <source>Web page (*.htm *.html)</source>
        <translation>Página web (*.htm *.html)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Página %s de %s</translation>
    </message>
    <message>
        <source>ZQV CPS</source>
        <translation>ZQV CPS</translation>
    </message>
    <message>
        <source>About %s</source>
        <translation>Acerca de %s</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obtener ayuda, presione F1</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NÚM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crear un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Cerrar el documento activo
Cerrar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guardar el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guardar el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si desea guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>Add a tree item
Add</source>
        <translation>Agregar un elemento al árbol
Agregar</translation>
    </message>
    <message>
        <source>Add a private contact with bar code scanner
Scan</source>
        <translation>Agregar un contacto privado con un lector de código de barras
Escanear</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Cortar la selección y ponerla en el Portapapeles
Cortar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar la selección y ponerla en el Portapapeles
Copiar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insertar el contenido del Portapapeles
Pegar</translation>
    </message>
    <message>
        <source>Delete a tree item
Delete</source>
        <translation>Eliminar un elemento del árbol
Eliminar</translation>
    </message>
    <message>
        <source>Change the name of a tree item</source>
        <translation>Cambiar el nombre de un elemento del árbol</translation>
    </message>
    <message>
        <source>Dealer information setting</source>
        <translation>Configurar datos del distribuidor</translation>
    </message>
    <message>
        <source>Preference setting</source>
        <translation>Configurar preferencias</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Alternar barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Alternar barra de estado</translation>
    </message>
    <message>
        <source>Show or hide the help pane
Toggle help pane</source>
        <translation>Mostrar u ocultar el panel de ayuda
Alternar panel de ayuda</translation>
    </message>
    <message>
        <source>Read from the radio
Read</source>
        <translation>Leer del radio
Leer</translation>
    </message>
    <message>
        <source>Write to the radio
Write</source>
        <translation>Escribir en el radio
Escribir</translation>
    </message>
    <message>
        <source>Reset the radio
Reset</source>
        <translation>Restablecer el radio
Restablecer</translation>
    </message>
    <message>
        <source>Generate a report
Report</source>
        <translation>Generar un reporte
Reporte</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar las ventanas superpuestas
Ventanas en cascada</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar las ventanas en mosaico sin superponerse
Ventanas en mosaico</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>Mostrar la ayuda</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%s: added</source>
        <translation>%s: agregado</translation>
    </message>
    <message>
        <source>%s: removed</source>
        <translation>%s: quitado</translation>
    </message>
    <message>
        <source>%s, %s: %s → %s</source>
        <translation>%s, %s: %s → %s</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; (%s)</source>
        <translation>Contacto privado &quot;%s&quot; (%s)</translation>
    </message>
    <message>
        <source>Private group &quot;%s&quot; (%s)</source>
        <translation>Grupo privado &quot;%s&quot; (%s)</translation>
    </message>
    <message>
        <source>Public group &quot;%s&quot; (%s)</source>
        <translation>Grupo público &quot;%s&quot; (%s)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Radio features</source>
        <translation>Funciones del radio</translation>
    </message>
    <message>
        <source>Text message %s &quot;%s&quot;</source>
        <translation>Mensaje de texto %s &quot;%s&quot;</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>grupos</translation>
    </message>
    <message>
        <source>home group</source>
        <translation>grupo de inicio</translation>
    </message>
    <message>
        <source>in scroll list</source>
        <translation>en la lista de desplazamiento</translation>
    </message>
    <message>
        <source>in scan list</source>
        <translation>en la lista de rastreo</translation>
    </message>
    <message>
        <source>alert tone</source>
        <translation>timbre</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
    </message>
    <message>
        <source>show group only</source>
        <translation>solo grupo</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <translation>(oculto)</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>No hay diferencias.</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows:

%s

Do you want to write the radio?</source>
        <translation>Al escribir este perfil, el radio cambia de la siguiente manera:

%s

¿Desea escribir en el radio?</translation>
    </message>
    <message>
        <source>The radio already holds this profile: writing it changes nothing.

Do you want to write the radio anyway?</source>
        <translation>El radio ya contiene este perfil: escribirlo no cambia nada.

¿Desea escribir en el radio de todos modos?</translation>
    </message>
    <message>
        <source>The radio&apos;s programming was saved as %s</source>
        <translation>La programación del radio se guardó como %s</translation>
    </message>
    <message>
        <source>The radio&apos;s programming could not be saved as a backup in %s. Nothing was written.</source>
        <translation>No se pudo guardar la programación del radio como respaldo en %s. No se escribió nada.</translation>
    </message>
    <message>
        <source>The radio was verified: it holds what was written.</source>
        <translation>Se verificó el radio: contiene lo que se escribió.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s</source>
        <translation>El radio no contiene lo que se escribió:

%s</translation>
    </message>
    <message>
        <source>The radio could not be read back, so the write was not verified.</source>
        <translation>No se pudo volver a leer el radio, por lo que la escritura no se verificó.</translation>
    </message>
    <message>
        <source>The write did not complete, so the radio may hold part of the new programming.

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>La escritura no terminó, por lo que el radio puede contener parte de la nueva programación.

¿Desea escribir de nuevo en el radio el respaldo tomado antes de la escritura?
%s</translation>
    </message>
    <message>
        <source>Backing up the radio ...</source>
        <translation>Respaldando el radio ...</translation>
    </message>
    <message>
        <source>Verifying the radio ...</source>
        <translation>Verificando el radio ...</translation>
    </message>
    <message>
        <source>No backups have been saved.</source>
        <translation>No se guardó ningún respaldo.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar respaldo</translation>
    </message>
    <message>
        <source>Show the backups of all radios</source>
        <translation>Mostrar los respaldos de todos los radios</translation>
    </message>
    <message>
        <source>Changes to the Radio</source>
        <translation>Cambios en el radio</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Back up the radio before writing</source>
        <translation>Respaldar el radio antes de escribir</translation>
    </message>
    <message>
        <source>Verify the radio after writing</source>
        <translation>Verificar el radio después de escribir</translation>
    </message>
    <message>
        <source>Backups kept per radio:</source>
        <translation>Respaldos guardados por radio:</translation>
    </message>
    <message>
        <source>Write a backup of a radio back into it
Restore Backup</source>
        <translation>Escribir de nuevo en un radio un respaldo suyo
Restaurar respaldo</translation>
    </message>
    <message>
        <source>Item
Change
Now in the radio
After the write</source>
        <translation>Elemento
Cambio
Ahora en el radio
Tras la escritura</translation>
    </message>
    <message>
        <source>added</source>
        <translation>agregado</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>quitado</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Rest&amp;aurar respaldo...</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows. What the radio held before was saved as:
%s</source>
        <translation>Al escribir este perfil, el radio cambia de la siguiente manera. Lo que contenía el radio antes se guardó como:
%s</translation>
    </message>
    <message>
        <source>Choose the backup to write back into the radio. It opens as a profile and is written with the same backup, change report and check as any write.</source>
        <translation>Elija el respaldo que desea escribir de nuevo en el radio. Se abre como un perfil y se escribe con el mismo respaldo, reporte de cambios y verificación que cualquier escritura.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>It is not a regular file (a folder, a device or a pipe).</source>
        <translation>No es un archivo normal (una carpeta, un dispositivo o una tubería).</translation>
    </message>
    <message>
        <source>Your settings cannot be read from %s:
%s
Correct or remove this file, then start the program again.</source>
        <translation>No se puede leer su configuración de %s:
%s
Corrija o elimine este archivo y vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>Updates the contact with this PID</source>
        <translation>Actualiza el contacto con este PID</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Same name as an existing contact: skipped</source>
        <translation>Mismo nombre que un contacto existente: omitido</translation>
    </message>
    <message>
        <source>Same name as an existing contact: replaces it</source>
        <translation>Mismo nombre que un contacto existente: lo reemplaza</translation>
    </message>
    <message>
        <source>Same name as an existing contact: added as &quot;%s&quot;</source>
        <translation>Mismo nombre que un contacto existente: agregado como &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Refused: %s</source>
        <translation>Rechazado: %s</translation>
    </message>
    <message>
        <source>The PID %s is already on line %s of the file.</source>
        <translation>El PID %s ya está en la línea %s del archivo.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s contacts.</source>
        <translation>Este modelo de radio admite como máximo %s contactos.</translation>
    </message>
    <message>
        <source>This radio model holds no more contacts of this type.</source>
        <translation>Este modelo de radio no admite más contactos de este tipo.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s text messages.</source>
        <translation>Este modelo de radio admite como máximo %s mensajes de texto.</translation>
    </message>
    <message>
        <source>There is no group named &quot;%s&quot; on the contact&apos;s channel.</source>
        <translation>No hay ningún grupo llamado &quot;%s&quot; en el canal del contacto.</translation>
    </message>
    <message>
        <source>Unknown contact type &quot;%s&quot;.</source>
        <translation>Tipo de contacto desconocido &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>There is no contact named &quot;%s&quot;.</source>
        <translation>No hay ningún contacto llamado &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The value &quot;%s&quot; of %s is not valid.</source>
        <translation>El valor &quot;%s&quot; de %s no es válido.</translation>
    </message>
    <message>
        <source>The file is not a table of text (CSV); nothing was imported.</source>
        <translation>El archivo no es una tabla de texto (CSV); no se importó nada.</translation>
    </message>
    <message>
        <source>The file is not a valid CSV table (a quoted field is not closed); nothing was imported.</source>
        <translation>El archivo no es una tabla CSV válida (un campo entre comillas no se cierra); no se importó nada.</translation>
    </message>
    <message>
        <source>The first line of the file names no column &quot;%s&quot;; nothing was imported.</source>
        <translation>La primera línea del archivo no nombra ninguna columna &quot;%s&quot;; no se importó nada.</translation>
    </message>
    <message>
        <source>The file is empty; nothing was imported.</source>
        <translation>El archivo está vacío; no se importó nada.</translation>
    </message>
    <message>
        <source>%s new, %s updated, %s unchanged, %s name clashes, %s refused.</source>
        <translation>%s nuevos, %s actualizados, %s sin cambios, %s nombres repetidos, %s rechazados.</translation>
    </message>
    <message>
        <source>Line %s: %s</source>
        <translation>Línea %s: %s</translation>
    </message>
    <message>
        <source>Cannot read the file %s.</source>
        <translation>No se puede leer el archivo %s.</translation>
    </message>
    <message>
        <source>Cannot write the file %s.</source>
        <translation>No se puede escribir el archivo %s.</translation>
    </message>
    <message>
        <source>%s rows written to %s.</source>
        <translation>%s filas escritas en %s.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import from %s</source>
        <translation>Importar de %s</translation>
    </message>
    <message>
        <source>When a name is already in the profile:</source>
        <translation>Cuando un nombre ya está en el perfil:</translation>
    </message>
    <message>
        <source>Skip the row</source>
        <translation>Omitir la fila</translation>
    </message>
    <message>
        <source>Replace the contact of that name</source>
        <translation>Reemplazar el contacto de ese nombre</translation>
    </message>
    <message>
        <source>Keep both, the new one with a new name</source>
        <translation>Conservar ambos, el nuevo con otro nombre</translation>
    </message>
    <message>
        <source>Line
Name
PID
What happens</source>
        <translation>Línea
Nombre
PID
Qué ocurre</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Import Contacts...</source>
        <translation>&amp;Importar contactos...</translation>
    </message>
    <message>
        <source>Import &amp;Text Messages...</source>
        <translation>Importar &amp;mensajes de texto...</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts...</source>
        <translation>&amp;Exportar contactos...</translation>
    </message>
    <message>
        <source>Export Text Messa&amp;ges...</source>
        <translation>Exportar mensajes de &amp;texto...</translation>
    </message>
    <message>
        <source>Add or update contacts from a CSV table
Import Contacts</source>
        <translation>Agregar o actualizar contactos desde una tabla CSV
Importar contactos</translation>
    </message>
    <message>
        <source>Add text messages from a CSV table
Import Text Messages</source>
        <translation>Agregar mensajes de texto desde una tabla CSV
Importar mensajes de texto</translation>
    </message>
    <message>
        <source>Write the contacts to a CSV table
Export Contacts</source>
        <translation>Escribir los contactos en una tabla CSV
Exportar contactos</translation>
    </message>
    <message>
        <source>Write the text messages to a CSV table
Export Text Messages</source>
        <translation>Escribir los mensajes de texto en una tabla CSV
Exportar mensajes de texto</translation>
    </message>
    <message>
        <source>Setting taken over: %s</source>
        <translation>Configuración adoptada: %s</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Fusionar perfil...</translation>
    </message>
    <message>
        <source>Bring contacts, groups, texts or settings of another profile into this one
Merge</source>
        <translation>Traer contactos, grupos, textos o ajustes de otro perfil a este
Fusionar</translation>
    </message>
    <message>
        <source>Merge %s into this profile</source>
        <translation>Fusionar %s en este perfil</translation>
    </message>
    <message>
        <source>Take from the other profile:</source>
        <translation>Tomar del otro perfil:</translation>
    </message>
    <message>
        <source>Private contacts</source>
        <translation>Contactos privados</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Text messages</source>
        <translation>Mensajes de texto</translation>
    </message>
    <message>
        <source>Scroll and scan lists</source>
        <translation>Listas de desplazamiento y de escaneo</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionar</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Privates</source>
        <translation>Privados</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Scroll (%d)</source>
        <translation>Desplazamiento (%d)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de rastreo</translation>
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
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privado</translation>
    </message>
    <message>
        <source> (add with scanner)</source>
        <translation> (agregar con lector)</translation>
    </message>
    <message>
        <source> (add without scanner)</source>
        <translation> (agregar sin lector)</translation>
    </message>
    <message>
        <source>Error: Convert cordinate.</source>
        <translation>Error: Conversión de coordenadas.</translation>
    </message>
    <message>
        <source>Profile data Error! The profile will be closed.</source>
        <translation>¡Error en los datos del perfil! El perfil se cerrará.</translation>
    </message>
    <message>
        <source>The following field(s) have been incorrectly specified:

%s
By continuing, this contact will be deleted. Do you want to continue?</source>
        <translation>Los siguientes campos se especificaron incorrectamente:

%s
Si continúa, este contacto se eliminará. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>- (Name)
</source>
        <translation>- (Nombre)
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
        <translation>- (Miembros del grupo)
</translation>
    </message>
    <message>
        <source>Name field can not be empty!</source>
        <translation>¡El campo Nombre no puede estar vacío!</translation>
    </message>
    <message>
        <source>ID field can not be empty!</source>
        <translation>¡El campo ID no puede estar vacío!</translation>
    </message>
    <message>
        <source>Delete Current Contact</source>
        <translation>Eliminar contacto actual</translation>
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
        <translation>Agregar &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Quitar</translation>
    </message>
    <message>
        <source>Add Public Group</source>
        <translation>Agregar grupo público</translation>
    </message>
    <message>
        <source>Error: Duplicate public group ID.</source>
        <translation>Error: ID de grupo público duplicado.</translation>
    </message>
    <message>
        <source>Error: The bank information is incorrect.</source>
        <translation>Error: La información del banco es incorrecta.</translation>
    </message>
    <message>
        <source>Fatal Error: 102
Null pointer exception!</source>
        <translation>Error fatal: 102
¡Excepción de puntero nulo!</translation>
    </message>
    <message>
        <source>Add Private Group</source>
        <translation>Agregar grupo privado</translation>
    </message>
    <message>
        <source>This contact already belongs to 5 Private Groups. Please remove it from a group first, before adding to another Private Group.</source>
        <translation>Este contacto ya pertenece a 5 grupos privados. Quítelo primero de un grupo antes de agregarlo a otro grupo privado.</translation>
    </message>
    <message>
        <source> (%d Group(s) Left)</source>
        <translation> (quedan %d grupo(s))</translation>
    </message>
    <message>
        <source>No available private contacts in the new channel. The channel will be reverted back to the previous value.</source>
        <translation>No hay contactos privados disponibles en el nuevo canal. El canal volverá al valor anterior.</translation>
    </message>
    <message>
        <source>Add Privates</source>
        <translation>Agregar privados</translation>
    </message>
    <message>
        <source>Add Privates with a Scanner</source>
        <translation>Agregar privados con un lector</translation>
    </message>
    <message>
        <source>Ringer %d</source>
        <translation>Timbre %d</translation>
    </message>
    <message>
        <source>Enable Private Scroll List</source>
        <translation>Activar lista de desplazamiento privada</translation>
    </message>
    <message>
        <source>Available Contacts</source>
        <translation>Contactos disponibles</translation>
    </message>
    <message>
        <source>Scan List Channel %d</source>
        <translation>Lista de rastreo del canal %d</translation>
    </message>
    <message>
        <source>Reached maximum number of contacts in this channel.</source>
        <translation>Se alcanzó el número máximo de contactos en este canal.</translation>
    </message>
    <message>
        <source>Cannot add more than %d amount of contacts to the scan list.</source>
        <translation>No se pueden agregar más de %d contactos a la lista de rastreo.</translation>
    </message>
    <message>
        <source>Maximum Contacts:</source>
        <translation>Máximo de contactos:</translation>
    </message>
    <message>
        <source>Maximum Private Groups:</source>
        <translation>Máximo de grupos privados:</translation>
    </message>
    <message>
        <source>Maximum Public Groups:</source>
        <translation>Máximo de grupos públicos:</translation>
    </message>
    <message>
        <source>Maximum Privates:</source>
        <translation>Máximo de privados:</translation>
    </message>
    <message>
        <source>Current Number of Contacts:</source>
        <translation>Número actual de contactos:</translation>
    </message>
    <message>
        <source>Current Number of Private Groups:</source>
        <translation>Número actual de grupos privados:</translation>
    </message>
    <message>
        <source>Current Number of Public Groups:</source>
        <translation>Número actual de grupos públicos:</translation>
    </message>
    <message>
        <source>Current Number of Privates:</source>
        <translation>Número actual de privados:</translation>
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
        <translation>Luz de fondo</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Clock/Alarm</source>
        <translation>Reloj/Alarma</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Set Time Using PC Clock</source>
        <translation>Usar el reloj de la PC</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora de alarma</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Earpiece</source>
        <translation>Auricular</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Manager Mode on for</source>
        <translation>Modo administrador activado para</translation>
    </message>
    <message>
        <source>See All Groups on for</source>
        <translation>Ver todos los grupos activado para</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Contraseña del codeplug (4 dígitos)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Confirmar contraseña (4 dígitos)</translation>
    </message>
    <message>
        <source>Talk Permit Tone Offset</source>
        <translation>Desfase del tono de permiso</translation>
    </message>
    <message>
        <source>Ambient Noise</source>
        <translation>Ruido ambiental</translation>
    </message>
    <message>
        <source>Accessory</source>
        <translation>Accesorio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Disable Internal PTT with Accessory</source>
        <translation>Desactivar PTT interno con accesorio</translation>
    </message>
    <message>
        <source>Disable Programming Mode</source>
        <translation>Desactivar modo de programación</translation>
    </message>
    <message>
        <source>Disable TX Timeout Timer</source>
        <translation>Desactivar temporizador de TX</translation>
    </message>
    <message>
        <source>Tx Timeout Timer</source>
        <translation>Temporizador de TX</translation>
    </message>
    <message>
        <source>Disable Private Reply</source>
        <translation>Desactivar respuesta privada</translation>
    </message>
    <message>
        <source>Note: Contacts added to the Manager Mode list are automatically added to the See All Groups list.</source>
        <translation>Nota: Los contactos agregados a la lista Modo administrador se agregan automáticamente a la lista Ver todos los grupos.</translation>
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
        <translation>MM/DD</translation>
    </message>
    <message>
        <source>DD/MM</source>
        <translation>DD/MM</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Maximum Text Messages:</source>
        <translation>Máximo de mensajes de texto:</translation>
    </message>
    <message>
        <source>Current Number of Text Messages:</source>
        <translation>Número actual de mensajes de texto:</translation>
    </message>
    <message>
        <source>Add Text Message</source>
        <translation>Agregar mensaje de texto</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Mensaje de texto</translation>
    </message>
    <message>
        <source>Delete Current Message</source>
        <translation>Eliminar mensaje actual</translation>
    </message>
    <message>
        <source>Add New Message</source>
        <translation>Agregar mensaje nuevo</translation>
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
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>This is a backup of the radio %s, not of the connected radio %s.</source>
        <translation>Este es un respaldo del radio %s, no del radio conectado %s.</translation>
    </message>
    <message>
        <source>Do you want to write the backup of the radio %s into the radio %s?</source>
        <translation>¿Desea escribir el respaldo del radio %s en el radio %s?</translation>
    </message>
    <message>
        <source>Writing it changes the radio as follows:

%s</source>
        <translation>Escribirlo cambia el radio de la siguiente manera:

%s</translation>
    </message>
    <message>
        <source>Writing it changes nothing in the radio.</source>
        <translation>Escribirlo no cambia nada en el radio.</translation>
    </message>
    <message>
        <source>Radio
Name
Model
Date
Time
Backup</source>
        <translation>Radio
Nombre
Modelo
Fecha
Hora
Respaldo</translation>
    </message>
    <message>
        <source>Backup %s %s</source>
        <translation>Respaldo %s %s</translation>
    </message>
    <message>
        <source>The radio holds what it held when the backup %s was taken: that backup stays its backup.</source>
        <translation>El radio contiene lo mismo que cuando se hizo el respaldo %s: ese respaldo sigue siendo su respaldo.</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Desvío de llamadas</translation>
    </message>
    <message>
        <source>Call Forward ID</source>
        <translation>ID de desvío de llamadas</translation>
    </message>
    <message>
        <source>Radio Disabled</source>
        <translation>Radio desactivado</translation>
    </message>
    <message>
        <source>%s: %s is also the PID of %s; the radio tells contacts of one type apart by their PID</source>
        <translation>%s: %s también es el PID de %s; el radio distingue los contactos de un mismo tipo por su PID</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s replies arrive garbled, even after repeated attempts. Check the programming cable: a damaged or too long cable, a loose plug or electrical noise nearby can cause this.</source>
        <translation>Error: Las respuestas del radio llegan alteradas incluso después de varios intentos. Revise el cable de programación: un cable dañado o demasiado largo, un conector flojo o interferencia eléctrica cercana pueden causarlo.</translation>
    </message>
    <message>
        <source>Error: The chosen port is not a serial port (its path is not a terminal device). Choose the programming cable&apos;s port.</source>
        <translation>Error: El puerto elegido no es un puerto serial (su ruta no es un dispositivo de terminal). Elija el puerto del cable de programación.</translation>
    </message>
    <message>
        <source>A different radio is connected: the profile was written into the radio %s (firmware %s), but the radio that answered the check is %s (firmware %s). The write was not checked.</source>
        <translation>Hay otro radio conectado: el perfil se escribió en el radio %s (firmware %s), pero el radio que respondió a la verificación es %s (firmware %s). La escritura no se verificó.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Yes: write the profile again.
No: write the backup taken before the write back into the radio:
%s
Cancel: leave the radio as it is.</source>
        <translation>El radio no contiene lo que se escribió:

%s

Sí: escribir el perfil otra vez.
No: volver a escribir en el radio el respaldo hecho antes de la escritura:
%s
Cancelar: dejar el radio como está.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Do you want to write the profile again?</source>
        <translation>El radio no contiene lo que se escribió:

%s

¿Desea escribir el perfil otra vez?</translation>
    </message>
    <message>
        <source>The radio still does not hold what was written:

%s

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>El radio todavía no contiene lo que se escribió:

%s

¿Desea volver a escribir en el radio el respaldo hecho antes de la escritura?
%s</translation>
    </message>
    <message>
        <source>The backup could not be written back, so the radio holds part of a profile. Restore it later, once the radio answers again, with Device &gt; Restore Backup... or zqvcps-cli restore, from:
%s</source>
        <translation>No se pudo volver a escribir el respaldo, así que el radio contiene solo parte de un perfil. Restáurelo más tarde, cuando el radio vuelva a responder, con Dispositivo &gt; Restaurar respaldo... o zqvcps-cli restore, desde:
%s</translation>
    </message>
    <message>
        <source>Private ID: %s</source>
        <translation>ID privado: %s</translation>
    </message>
    <message>
        <source>The radio was reset.</source>
        <translation>El radio se restableció.</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>Des&amp;hacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o	Ctrl+Y</source>
        <translation>&amp;Volver a hacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>&amp;Revertir</translation>
    </message>
    <message>
        <source>Take back the last change to the profile
Undo</source>
        <translation>Deshacer el último cambio del perfil
Deshacer</translation>
    </message>
    <message>
        <source>Make the change taken back last again
Redo</source>
        <translation>Volver a hacer el último cambio deshecho
Volver a hacer</translation>
    </message>
    <message>
        <source>Go back to the profile as it was last saved
Revert</source>
        <translation>Volver al perfil tal como se guardó por última vez
Revertir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %s	Ctrl+Z</source>
        <translation>Des&amp;hacer %s	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o %s	Ctrl+Y</source>
        <translation>&amp;Volver a hacer %s	Ctrl+Y</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change &apos;%s&apos;</source>
        <translation>Cambiar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add &apos;%s&apos;</source>
        <translation>Agregar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Delete &apos;%s&apos;</source>
        <translation>Eliminar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Rename &apos;%s&apos; to &apos;%s&apos;</source>
        <translation>Cambiar el nombre de &apos;%s&apos; a &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add %s to &apos;%s&apos;</source>
        <translation>Agregar %s a &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Remove %s from &apos;%s&apos;</source>
        <translation>Quitar %s de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>%d contacts</source>
        <translation>%d contactos</translation>
    </message>
    <message>
        <source>Import &apos;%s&apos;</source>
        <translation>Importar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Merge &apos;%s&apos;</source>
        <translation>Fusionar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>The changes to %s since it was last saved can no longer be undone one by one. Discard them all and read the profile again from its file?</source>
        <translation>Los cambios en %s desde que se guardó por última vez ya no se pueden deshacer uno por uno. ¿Descartarlos todos y volver a leer el perfil de su archivo?</translation>
    </message>
    <message>
        <source>All Contacts</source>
        <translation>Todos los contactos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Private Group</source>
        <translation>Grupo privado</translation>
    </message>
    <message>
        <source>Public Group</source>
        <translation>Grupo público</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>Fi&amp;ltro:</translation>
    </message>
    <message>
        <source>Name or ID</source>
        <translation>Nombre o ID</translation>
    </message>
    <message>
        <source>&amp;Change selected:</source>
        <translation>&amp;Cambiar selección:</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Borra&amp;r</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Agregar</translation>
    </message>
    <message>
        <source>Add to Private Group</source>
        <translation>Agregar a grupo privado</translation>
    </message>
    <message>
        <source>Remove from Private Group</source>
        <translation>Quitar de grupo privado</translation>
    </message>
    <message>
        <source>Delete %d contacts?
Private contacts leave their private groups, and groups left without members are deleted.</source>
        <translation>¿Borrar %d contactos?
Los contactos privados dejan sus grupos privados, y los grupos que queden sin miembros se borran.</translation>
    </message>
    <message>
        <source>%d of %d contacts were left unchanged:</source>
        <translation>%d de %d contactos no se cambiaron:</translation>
    </message>
    <message>
        <source>This does not apply to this kind of contact.</source>
        <translation>Esto no aplica a este tipo de contacto.</translation>
    </message>
    <message>
        <source>Left unchanged: the question was declined.</source>
        <translation>Sin cambios: se rechazó la pregunta.</translation>
    </message>
    <message>
        <source>This concerns %d of the selected contacts:

%s</source>
        <translation>Esto afecta a %d de los contactos seleccionados:

%s</translation>
    </message>
    <message>
        <source>Set channel %d on %d contacts</source>
        <translation>Poner canal %d en %d contactos</translation>
    </message>
    <message>
        <source>Set ringer %d on %d contacts</source>
        <translation>Poner timbre %d en %d contactos</translation>
    </message>
    <message>
        <source>Set %s to &apos;%s&apos; on %d contacts</source>
        <translation>Poner %s en &apos;%s&apos; en %d contactos</translation>
    </message>
    <message>
        <source>Add %d contacts to &apos;%s&apos;</source>
        <translation>Agregar %d contactos a &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Remove %d contacts from &apos;%s&apos;</source>
        <translation>Quitar %d contactos de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Delete %d contacts</source>
        <translation>Borrar %d contactos</translation>
    </message>
    <message>
        <source>Rename &apos;%s&apos; to &apos;%s&apos;</source>
        <translation>Renombrar &apos;%s&apos; como &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Change %s of &apos;%s&apos;</source>
        <translation>Cambiar %s de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add %s</source>
        <translation>Agregar %s</translation>
    </message>
    <message>
        <source>&amp;Contacts Table</source>
        <translation>&amp;Tabla de contactos</translation>
    </message>
    <message>
        <source>Show every contact of the profile in one table
Contacts Table</source>
        <translation>Mostrar todos los contactos del perfil en una tabla
Tabla de contactos</translation>
    </message>
    <message>
        <source>Written and checked</source>
        <translation>Escrita y verificada</translation>
    </message>
    <message>
        <source>Written, not checked</source>
        <translation>Escrita, sin verificar</translation>
    </message>
    <message>
        <source>Check found differences</source>
        <translation>La verificación encontró diferencias</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <source>Customer: %s</source>
        <translation>Cliente: %s</translation>
    </message>
    <message>
        <source>Printed: %s</source>
        <translation>Impresa: %s</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Qué cambió</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nada cambió</translation>
    </message>
    <message>
        <source>Not recorded (no backup was taken)</source>
        <translation>No registrado (no se hizo respaldo)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>List the writes into radios and print a job sheet
Write History</source>
        <translation>Lista las escrituras en radios e imprime una hoja de trabajo
Historial de escrituras</translation>
    </message>
    <message>
        <source>Com&amp;pare with Radio...</source>
        <translation>Co&amp;mparar con el radio...</translation>
    </message>
    <message>
        <source>Show what writing the active profile would change in the radio
Compare with Radio</source>
        <translation>Muestra lo que cambiaría en el radio al escribir el perfil activo
Comparar con el radio</translation>
    </message>
    <message>
        <source>Write History</source>
        <translation>Historial de escrituras</translation>
    </message>
    <message>
        <source>&amp;Radio (ID or name):</source>
        <translation>&amp;Radio (ID o nombre):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>R&amp;esult:</source>
        <translation>R&amp;esultado:</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Todos los resultados</translation>
    </message>
    <message>
        <source>Unit ID</source>
        <translation>ID de la unidad</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Respaldo</translation>
    </message>
    <message>
        <source>&amp;Print Job Sheet...</source>
        <translation>&amp;Imprimir hoja de trabajo...</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>The write history %s cannot be opened:
%s</source>
        <translation>No se puede abrir el historial de escrituras %s:
%s</translation>
    </message>
    <message>
        <source>%s writes shown</source>
        <translation>%s escrituras mostradas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The job sheet could not be saved as %s:
%s</source>
        <translation>No se pudo guardar la hoja de trabajo como %s:
%s</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Comparar con el radio</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>En el radio</translation>
    </message>
    <message>
        <source>In the profile</source>
        <translation>En el perfil</translation>
    </message>
    <message>
        <source>The radio %s already holds this profile: writing it would change nothing.</source>
        <translation>El radio %s ya contiene este perfil: escribirlo no cambiaría nada.</translation>
    </message>
    <message>
        <source>Writing %s into the radio %s would change %s items:</source>
        <translation>Escribir %s en el radio %s cambiaría %s elementos:</translation>
    </message>
    <message>
        <source>(not there)</source>
        <translation>(no existe)</translation>
    </message>
    <message>
        <source>(there)</source>
        <translation>(existe)</translation>
    </message>
    <message>
        <source>The port exists</source>
        <translation>El puerto existe</translation>
    </message>
    <message>
        <source>This user may open the port</source>
        <translation>Este usuario puede abrir el puerto</translation>
    </message>
    <message>
        <source>No other program holds the port</source>
        <translation>Ningún otro programa ocupa el puerto</translation>
    </message>
    <message>
        <source>The radio answers</source>
        <translation>La radio responde</translation>
    </message>
    <message>
        <source>The replies are well-formed</source>
        <translation>Las respuestas son correctas</translation>
    </message>
    <message>
        <source>The model and setting group are supported</source>
        <translation>El modelo y el grupo de ajustes son compatibles</translation>
    </message>
    <message>
        <source>[passed] %s</source>
        <translation>[correcto] %s</translation>
    </message>
    <message>
        <source>[FAILED] %s</source>
        <translation>[FALLO] %s</translation>
    </message>
    <message>
        <source>No port is chosen and no serial port is present. Plug in the programming cable, then choose its port with Device &gt; Find Cable.</source>
        <translation>No hay ningún puerto elegido ni ningún puerto serie presente. Conecte el cable de programación y elija su puerto con Dispositivo &gt; Buscar cable.</translation>
    </message>
    <message>
        <source>The port %s does not exist. Plug in the programming cable, or choose the port it uses with Device &gt; Find Cable.</source>
        <translation>El puerto %s no existe. Conecte el cable de programación o elija el puerto que usa con Dispositivo &gt; Buscar cable.</translation>
    </message>
    <message>
        <source>You may not open %s: the port belongs to the group "%s".</source>
        <translation>No puede abrir %s: el puerto pertenece al grupo "%s".</translation>
    </message>
    <message>
        <source>You are not a member of that group. Add yourself with this command, then log out and log in again:
%s</source>
        <translation>No es miembro de ese grupo. Agréguese con esta orden y después cierre la sesión y vuelva a entrar:
%s</translation>
    </message>
    <message>
        <source>You are a member of that group, but this session started before you were added: log out and log in again.</source>
        <translation>Es miembro de ese grupo, pero esta sesión empezó antes de que lo agregaran: cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is installed (%s): unplug the programming cable and plug it in again so that the rule applies to it.</source>
        <translation>La regla de acceso del cable de programación está instalada (%s): desconecte el cable de programación y vuelva a conectarlo para que la regla se aplique.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is not installed; installing the program's package installs it.</source>
        <translation>La regla de acceso del cable de programación no está instalada; el paquete del programa la instala.</translation>
    </message>
    <message>
        <source>Another program holds %s open: %s. Close that program, then try again.</source>
        <translation>Otro programa tiene %s abierto: %s. Cierre ese programa y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Another program holds %s, and the system does not say which. Close the programs that use serial ports, then try again.</source>
        <translation>Otro programa ocupa %s y el sistema no dice cuál. Cierre los programas que usan puertos serie y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%s (process ID %s)</source>
        <translation>%s (ID de proceso %s)</translation>
    </message>
    <message>
        <source>The radio does not answer on %s. Check that the radio is switched on, that the cable is pushed fully into the radio's programming socket, and that it is the programming cable for this radio.</source>
        <translation>La radio no responde en %s. Compruebe que la radio está encendida, que el cable está bien metido en el conector de programación de la radio y que es el cable de programación de esta radio.</translation>
    </message>
    <message>
        <source>The radio answers on %s, but its replies arrive garbled. The cable is damaged or too long, or a plug is loose: try another programming cable, without an extension lead.</source>
        <translation>La radio responde en %s, pero sus respuestas llegan alteradas. El cable está dañado o es demasiado largo, o un conector está flojo: pruebe otro cable de programación, sin extensión.</translation>
    </message>
    <message>
        <source>The radio has firmware %s, which this version of the program does not support. Ask your supplier for a version that supports it.</source>
        <translation>La radio tiene el firmware %s, que esta versión del programa no admite. Solicite a su proveedor una versión que lo admita.</translation>
    </message>
    <message>
        <source>The radio (model %s) is not one this program programs. Check that it belongs to this family of radios.</source>
        <translation>La radio (modelo %s) no es de las que programa este programa. Compruebe que pertenece a esta familia de radios.</translation>
    </message>
    <message>
        <source>Every check passed: the radio on %s answers (model %s, firmware %s, setting group %s).</source>
        <translation>Todas las comprobaciones son correctas: la radio en %s responde (modelo %s, firmware %s, grupo de ajustes %s).</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>&amp;Probar conexión...</translation>
    </message>
    <message>
        <source>To find out why, run: zqvcps-cli doctor --port %s</source>
        <translation>Para saber por qué, ejecute: zqvcps-cli doctor --port %s</translation>
    </message>
    <message>
        <source>Unplug the programming cable, then plug it in again. The port that goes and comes back is the cable's.</source>
        <translation>Desconecte el cable de programación y vuelva a conectarlo. El puerto que desaparece y vuelve es el del cable.</translation>
    </message>
    <message>
        <source>Port|USB product|Vendor:product|Serial number|Programming cable|Held open by</source>
        <translation>Puerto|Producto USB|Fabricante:producto|Número de serie|Cable de programación|Abierto por</translation>
    </message>
    <message>
        <source>%s went away.</source>
        <translation>%s desapareció.</translation>
    </message>
    <message>
        <source>%s came back: it is the cable's port.</source>
        <translation>%s volvió: es el puerto del cable.</translation>
    </message>
    <message>
        <source>&amp;Use This Port</source>
        <translation>&amp;Usar este puerto</translation>
    </message>
    <message>
        <source>From now on the program uses the port %s.</source>
        <translation>A partir de ahora el programa usa el puerto %s.</translation>
    </message>
    <message>
        <source>The support bundle is one zip file with:
- the link traces of the last transfers;
- the program's version;
- the system: distribution, Qt and libxml2 versions;
- the configuration, without the dealer texts and the recent files;
- the last result of Test Connection;
- the open profile's model, firmware and counts.</source>
        <translation>El paquete de soporte es un archivo zip con:
- los registros de enlace de las últimas transferencias;
- la versión del programa;
- el sistema: distribución, versiones de Qt y libxml2;
- la configuración, sin los textos del distribuidor ni los archivos recientes;
- el último resultado de Probar conexión;
- el modelo, el firmware y los recuentos del perfil abierto.</translation>
    </message>
    <message>
        <source>Names, IDs and the codeplug password are left out: each frame of a trace keeps only its first four bytes.</source>
        <translation>Los nombres, los ID y la contraseña del codeplug quedan fuera: cada trama de un registro conserva solo sus cuatro primeros bytes.</translation>
    </message>
    <message>
        <source>&amp;Include names and IDs: the profile's contacts and the traces' whole frames (which also carry the codeplug password)</source>
        <translation>&amp;Incluir nombres e ID: los contactos del perfil y las tramas completas de los registros (que también llevan la contraseña del codeplug)</translation>
    </message>
    <message>
        <source>The support bundle was saved as %s.</source>
        <translation>El paquete de soporte se guardó como %s.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved as %s: %s</source>
        <translation>No se pudo guardar el paquete de soporte como %s: %s</translation>
    </message>
    <message>
        <source>the zip file could not be made</source>
        <translation>no se pudo crear el archivo zip</translation>
    </message>
    <message>
        <source>No link trace has been kept yet. Each transfer keeps one while "Keep a trace of each transfer" is ticked in Preference.</source>
        <translation>Todavía no se guardó ningún registro de enlace. Cada transferencia guarda uno mientras "Guardar un registro de cada transferencia" esté marcado en Preferencias.</translation>
    </message>
    <message>
        <source>&amp;Keep a trace of each transfer (the last 10, in the cache folder)</source>
        <translation>&amp;Guardar un registro de cada transferencia (los 10 últimos, en la carpeta de caché)</translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation>&amp;Buscar cable...</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>&amp;Probar conexión...</translation>
    </message>
    <message>
        <source>Open Last Link &amp;Trace</source>
        <translation>Abrir el último &amp;registro de enlace</translation>
    </message>
    <message>
        <source>Save Support B&amp;undle...</source>
        <translation>&amp;Guardar paquete de soporte...</translation>
    </message>
    <message>
        <source>List the serial ports and find the programming cable's port
Find Cable</source>
        <translation>Mostrar los puertos serie y encontrar el puerto del cable de programación
Buscar cable</translation>
    </message>
    <message>
        <source>Check the cable, the port and the radio one step after the other
Test Connection</source>
        <translation>Comprobar el cable, el puerto y la radio paso a paso
Probar conexión</translation>
    </message>
    <message>
        <source>Show the frames of the last transfer
Last Link Trace</source>
        <translation>Mostrar las tramas de la última transferencia
Último registro de enlace</translation>
    </message>
    <message>
        <source>Save one zip file to send in when a radio will not talk to the program
Save Support Bundle</source>
        <translation>Guardar un archivo zip para enviarlo cuando una radio no se comunica con el programa
Guardar paquete de soporte</translation>
    </message>
    <message>
        <source>Use %s for the radio from now on?</source>
        <translation>¿Usar %s para la radio a partir de ahora?</translation>
    </message>
    <message>
        <source>%s; left out: %s</source>
        <translation>%s; omitido: %s</translation>
    </message>
    <message>
        <source>This radio model has no &quot;%s&quot;.</source>
        <translation>Este modelo de radio no tiene &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>%s

This profile could not take everything that was pasted:
%s</source>
        <translation>%s

Este perfil no pudo aceptar todo lo que se pegó:
%s</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>... and %s more.</source>
        <translation>... y %s más.</translation>
    </message>
    <message>
        <source>Private group &quot;%s&quot; has no members</source>
        <translation>El grupo privado &quot;%s&quot; no tiene miembros</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is in no private group</source>
        <translation>El contacto privado &quot;%s&quot; no pertenece a ningún grupo privado</translation>
    </message>
    <message>
        <source>The scan list of channel %s holds %s public groups, the most it can hold is %s</source>
        <translation>La lista de rastreo del canal %s tiene %s grupos públicos; como máximo admite %s</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is on channel %s, but its home group &quot;%s&quot; is on channel %s</source>
        <translation>El contacto privado &quot;%s&quot; está en el canal %s, pero su grupo de inicio &quot;%s&quot; está en el canal %s</translation>
    </message>
    <message>
        <source>&quot;%s&quot; has the same name as &quot;%s&quot; but for case or accents, so lists cannot tell them apart</source>
        <translation>&quot;%s&quot; tiene el mismo nombre que &quot;%s&quot; salvo mayúsculas o acentos, así que las listas no pueden distinguirlos</translation>
    </message>
    <message>
        <source>This profile has problems you should look at (the Problems panel lists them):

%s

Do you want to write the radio anyway?</source>
        <translation>Este perfil tiene problemas que debería revisar (el panel Problemas los muestra):

%s

¿Desea escribir el radio de todos modos?</translation>
    </message>
    <message>
        <source>Problems (%s)</source>
        <translation>Problemas (%s)</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No se encontraron problemas.</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>P&amp;roblemas</translation>
    </message>
    <message>
        <source>Show or hide the problems of the profile below the form
Problems</source>
        <translation>Muestra u oculta los problemas del perfil debajo del formulario
Problemas</translation>
    </message>
    <message>
        <source>&amp;Filter Tree	Ctrl+F</source>
        <translation>&amp;Filtrar árbol	Ctrl+F</translation>
    </message>
    <message>
        <source>Show only the tree nodes whose name or PID holds a text
Filter Tree</source>
        <translation>Muestra solo los nodos del árbol cuyo nombre o PID contiene un texto
Filtrar árbol</translation>
    </message>
    <message>
        <source>Filter by name or PID</source>
        <translation>Filtrar por nombre o PID</translation>
    </message>
    <message>
        <source>Note: %s</source>
        <translation>Nota: %s</translation>
    </message>
    <message>
        <source>Profile tree</source>
        <translation>Árbol del perfil</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Difiere</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Not written: the radio's own ID %s is in no private contact of the profile.</source>
        <translation>No se escribió: el ID propio %s del radio no está en ningún contacto privado del perfil.</translation>
    </message>
    <message>
        <source>Not written: the run was not confirmed.</source>
        <translation>No se escribió: la ejecución no se confirmó.</translation>
    </message>
    <message>
        <source>Stopped before it ended.</source>
        <translation>Detenido antes de terminar.</translation>
    </message>
    <message>
        <source>The radio has setting group %s, older than the profile's (%s): what it lacks is left out.</source>
        <translation>El radio tiene el grupo de ajustes %s, anterior al del perfil (%s): lo que le falta se omite.</translation>
    </message>
    <message>
        <source>Holds what the profile gives it.</source>
        <translation>Contiene lo que le da el perfil.</translation>
    </message>
    <message>
        <source>%s differences</source>
        <translation>%s diferencias</translation>
    </message>
    <message>
        <source>Saved as %s</source>
        <translation>Guardado como %s</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>The backup was written back into the radio.</source>
        <translation>La copia de seguridad se volvió a escribir en el radio.</translation>
    </message>
    <message>
        <source>Write the profile into these %s radios?</source>
        <translation>¿Escribir el perfil en estos %s radios?</translation>
    </message>
    <message>
        <source>No radio to work on: no programming cable is connected.</source>
        <translation>No hay ningún radio con el cual trabajar: no hay ningún cable de programación conectado.</translation>
    </message>
    <message>
        <source>Context &amp;Help	F1</source>
        <translation>A&amp;yuda contextual	F1</translation>
    </message>
    <message>
        <source>Open the help at the topic of the field or list that has the focus
Context Help</source>
        <translation>Abre la ayuda en el tema del campo o la lista que tiene el foco
Ayuda contextual</translation>
    </message>
    <message>
        <source>%s s left</source>
        <translation>Faltan %s s</translation>
    </message>
    <message>
        <source>%s min %s s left</source>
        <translation>Faltan %s min %s s</translation>
    </message>
    <message>
        <source>Writing %s changes these radios. Each radio is backed up before the write and checked after it.</source>
        <translation>Escribir %s cambia estos radios. Cada radio se respalda antes de la escritura y se verifica después.</translation>
    </message>
    <message>
        <source>%s changes</source>
        <translation>%s cambios</translation>
    </message>
    <message>
        <source>Nothing changes</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Waiting for the confirmation</source>
        <translation>Esperando la confirmación</translation>
    </message>
    <message>
        <source>Add %s radios as contacts</source>
        <translation>Agregar %s radios como contactos</translation>
    </message>
    <message>
        <source>The radio on %s (unit ID %s) asks for its codeplug password. The radios that follow are tried with the same password first.</source>
        <translation>El radio en %s (ID de la unidad %s) pide su contraseña de codeplug. Los radios siguientes se prueban primero con la misma contraseña.</translation>
    </message>
    <message>
        <source>The run table could not be saved as %s:
%s</source>
        <translation>No se pudo guardar la tabla de la ejecución como %s:
%s</translation>
    </message>
    <message>
        <source>%s radios</source>
        <translation>%s radios</translation>
    </message>
    <message>
        <source>Fleet Run</source>
        <translation>Ejecución en flota</translation>
    </message>
    <message>
        <source>No programming cable found. Plug in the cables: each one shows here as a row.</source>
        <translation>No se encontró ningún cable de programación. Conecte los cables: cada uno aparece aquí como una fila.</translation>
    </message>
    <message>
        <source>Open a profile to check or write radios.</source>
        <translation>Abra un perfil para verificar o escribir radios.</translation>
    </message>
    <message>
        <source>&amp;Fleet...</source>
        <translation>&amp;Flota...</translation>
    </message>
    <message>
        <source>Read, check or write many radios at once, one per cable
Fleet</source>
        <translation>Leer, verificar o escribir muchos radios a la vez, uno por cable
Flota</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flota</translation>
    </message>
    <message>
        <source>Port|Unit ID|Name|Firmware|Group|Progress|Time left|Status</source>
        <translation>Puerto|ID de la unidad|Nombre|Firmware|Grupo|Progreso|Tiempo restante|Estado</translation>
    </message>
    <message>
        <source>&amp;Read All</source>
        <translation>&amp;Leer todos</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Verificar todos</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>&amp;Escribir todos</translation>
    </message>
    <message>
        <source>&amp;Read Selected</source>
        <translation>&amp;Leer selección</translation>
    </message>
    <message>
        <source>&amp;Check Selected</source>
        <translation>&amp;Verificar selección</translation>
    </message>
    <message>
        <source>&amp;Write Selected</source>
        <translation>&amp;Escribir selección</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Add to Profile</source>
        <translation>&amp;Agregar al perfil</translation>
    </message>
    <message>
        <source>Read &amp;into:</source>
        <translation>Leer e&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Last run:</source>
        <translation>Última ejecución:</translation>
    </message>
    <message>
        <source>Choose the folder the radios are read into</source>
        <translation>Elija la carpeta en la que se leen los radios</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>A&amp;pariencia:</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Según el escritorio</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscura</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
</context>
</TS>
