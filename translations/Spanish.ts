<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Salida del software</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>¡Conflicto, el software ha dejado de funcionar!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Se ha guardado un informe del fallo en:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Escribir en el teclado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleccione primero una tecla</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>La configuración falló porque el texto está vacío</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>La configuración falló porque no se pudo guardar el perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pulsación ligera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimizar(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximizar(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurar(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Salir(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Las teclas solo se capturan mientras esta ventana tiene el foco.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Iniciar aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuración del teclado</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Iluminación del teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Iluminación lateral</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avanzadas</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambiar de ventana</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi PC</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Bloquear/desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar batería</translation>
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
        <translation>Cambiar a 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Iluminación general</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Iluminación interactiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda la iluminación</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Dirección +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Dirección -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Dirección en bucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a todos los colores</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Apagar retroiluminación</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Detener retroiluminación</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Grabación de iluminación</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar iluminación lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Detener iluminación lateral</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>No se puede reasignar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Configuración escrita en el teclado</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Error al escribir en el teclado, inténtelo de nuevo</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Hay %n tecla asignada a una macro, pero el teclado solo admite %1. No se ha enviado nada.</numerusform>
            <numerusform>Hay %n teclas asignadas a macros, pero el teclado solo admite %1. No se ha enviado nada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Hay %n tecla asignada a una tecla avanzada, pero el teclado solo admite %1. No se ha enviado nada.</numerusform>
            <numerusform>Hay %n teclas asignadas a teclas avanzadas, pero el teclado solo admite %1. No se ha enviado nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>La combinación de teclas de la tecla %1 tiene más de dos teclas modificadoras, que el teclado no puede guardar. No se ha enviado nada.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibrando todas las teclas ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>El dispositivo está desconectado</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>El dispositivo ya está seleccionado</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Punto de activación</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Escribir en el teclado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si el bloqueo Win está activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar la tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar MAYÚS+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Iluminación en reposo tras:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Teclado en reposo tras:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Prohibir el reposo</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propiedades del teclado</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Restablecer el perfil actual</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>El tiempo de reposo de la iluminación no puede ser mayor que el del teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>El tiempo de reposo del teclado es demasiado corto</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Se ha establecido el tiempo de reposo</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>No se pudo establecer el tiempo de reposo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibración de teclas en curso, espere un momento</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>El tiempo de reposo está fuera de rango</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil creado correctamente</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado correctamente</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil modificado correctamente</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado correctamente</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado correctamente</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de perfiles</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Error al crear: ya existe un perfil con este número, compruébelo</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Debe quedar al menos un perfil</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Este perfil no existe</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>El nombre del perfil no puede estar vacío</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>El archivo %1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo que desea importar</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Error al crear el perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Error al eliminar el perfil</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Error al modificar el perfil</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Error en la operación</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Error al exportar el perfil</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Error al importar el perfil</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 estaba dañado y se ha restaurado desde su copia de seguridad; el archivo dañado se movió a %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 estaba dañado y se ha creado de nuevo vacío; el archivo dañado se movió a %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 está dañado y no se pudo apartar; no se pueden usar sus ajustes</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Restablecer el perfil actual?</translation>
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
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de perfil (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>El teclado aún no está listo; se cargará en cuanto responda</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Ningún teclado necesita una actualización de firmware</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Activación</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Pulsar (activación)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Soltar (rearme)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Seguimiento del recorrido</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Pulsar y soltar por separado</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Restablecer sensibilidad</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirrebote de teclas</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibración de teclas</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Detener la calibración</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajuste el recorrido de activación y el de restablecimiento según su intención de pulsar o soltar la tecla.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puede ajustar por separado el recorrido de Rapid Trigger al pulsar (activación) y al soltar (rearme).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibración de todas las teclas</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Active primero el modo de calibración de teclas;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Seleccione una tecla;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Haga clic en «Iniciar calibración»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Pulse la tecla seleccionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Se muestra el resultado de la calibración;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Activado: Rapid Trigger solo termina cuando suelta la tecla por completo.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Desactivado: Rapid Trigger termina en cuanto la tecla, al soltarla, vuelve a pasar el punto de activación.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Defina el punto de activación: cuánto debe hundirse la tecla para activarse.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Mientras se calibran todas las teclas, pulse cada tecla para completar la calibración.</translation>
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
        <translation>Ajuste el recorrido de activación y el de restablecimiento según su intención de pulsar o soltar la tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidad secundaria</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puede ajustar por separado el recorrido de Rapid Trigger al pulsar (activación) y al soltar (rearme).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pulsar/Soltar</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirrebote de teclas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar en modo de calibración</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibración de todas las teclas</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Seguimiento de intensidad</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Restablecer sensibilidad</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Explicación</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explicación</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explicación</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explicación</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explicación</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicación</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>(Pulsación ligera) Reasignar tecla</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Pulsación fuerte) Combinación de teclas</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Espacio</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Ola</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Destello</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Respuesta a la velocidad</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Onda automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrías</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Apagado</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pulsación ligera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>El archivo ocupa más de %1 MB y no se puede importar</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>No guardado: el archivo ocuparía más de %1 MB. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>la ruta de su carpeta %1 es demasiado larga</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ocupa más de %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 no se puede leer ni escribir</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>No se pueden abrir los perfiles de %1: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Algunas teclas del perfil que se va a importar inician estos programas:

%1

¿Importar el perfil con estas teclas? Si no, no se importa nada.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Active primero el modo de calibración de teclas</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibración de teclas completada</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibración de teclas en curso</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Error en la calibración de teclas</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Grabación de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Como se grabó</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Predeterminado</translation>
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
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Grabación de la macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Grabación de la macro detenida</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Se ha alcanzado el número máximo de eventos</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Primero seleccione una posición de la lista</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Evento insertado</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Evento modificado</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La grabación está vacía</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insertar evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar después del evento</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar antes del evento</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro añadida</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>El nombre de la macro no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nombre de la macro cambiado</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleccione primero una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro vaciada</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>No se pudo guardar el archivo de macros</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>No se pudo leer el archivo de macros</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n tecla está asignada a esta macro. Al eliminar la macro, recupera su función predeterminada. ¿Eliminar la macro?</numerusform>
            <numerusform>%n teclas están asignadas a esta macro. Al eliminar la macro, recuperan su función predeterminada. ¿Eliminar la macro?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiales</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Puntos de activación de las acciones DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>No se pudo guardar el archivo de teclas avanzadas</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Producto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Versión nueva:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Actualización del firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>No desconecte el teclado mientras se actualiza el firmware.</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Firmware actualizado</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Receptor de 2,4 GHz</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error en la actualización del firmware</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Acciones del ratón</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Grabación de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Como se grabó</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La grabación está vacía</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insertar evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar después del evento</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar antes del evento</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiales</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Puntos de activación de las acciones DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>El nombre del esquema personalizado no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nombre del esquema personalizado cambiado</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>No se pudo cambiar el nombre del esquema personalizado</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Esquemas personalizados</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Iluminación lateral</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Hacia la derecha</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Hacia la izquierda</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Hacia arriba</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Hacia abajo</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Del centro hacia fuera</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>Hacia el centro</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>En sentido horario</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>En sentido antihorario</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Iluminación lateral: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Seleccione teclas en la imagen y luego elija un color.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Usar este esquema en el teclado</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>El dispositivo no tiene iluminación lateral</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>No se pudo guardar el ajuste de iluminación ni enviarlo al teclado.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Configura las teclas, la iluminación y los perfiles del teclado</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar con el sistema (minimizado)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Cerrar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualización de firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Ajuste guardado</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>No se pudo guardar el ajuste</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Información del firmware</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>Escuchando: pulse una tecla o elija una abajo</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>¿Reasignar a?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>¿Introducir teclas?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Cor./Ingl.</translation>
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
        <translation>Tipo de reproducción</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua activada/desactivada</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras la tecla esté pulsada</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de reproducciones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproducciones 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Primero grabe una macro</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione el archivo de su aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>El texto es demasiado largo, la parte que no cabe no se ha añadido</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Esquema personalizado</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar con el sistema (minimizado)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Cerrar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualización de firmware</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicación</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Información del firmware</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de iluminación</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Esquemas personalizados</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Teclado virtual</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pulsación ligera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>¿Reasignar a?</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pulsación ligera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>¿Introducir teclas?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione el archivo de su aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avanzadas</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duración de pulsación</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aún no hay teclas avanzadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La tecla tiene dos funciones: una al mantenerla pulsada y otra al pulsarla.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Pulse esta tecla para activar o desactivar la activación continua.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duración de pulsación</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aún no hay teclas avanzadas</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La tecla tiene dos funciones: una al mantenerla pulsada y otra al pulsarla.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Pulse esta tecla para activar o desactivar la activación continua.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con «Tecla única» seleccionada, basta con pulsar una tecla para completar la configuración;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con «Combinación de teclas» seleccionada, elija al menos una tecla modificadora y después otra tecla para completar la combinación, por ejemplo L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>La tecla puede realizar cuatro funciones: se pueden asignar de 1 a 4 funciones a cuatro profundidades de pulsación distintas.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avanzada creada</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avanzada eliminada</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de teclas avanzadas</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n tecla está asignada a esta tecla avanzada. Al eliminarla, recupera su función predeterminada. ¿Eliminarla?</numerusform>
            <numerusform>%n teclas están asignadas a esta tecla avanzada. Al eliminarla, recuperan su función predeterminada. ¿Eliminarla?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir archivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Archivos de macro (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada correctamente</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada correctamente</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Error al exportar la macro: no se pudo leer la macro</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Error al exportar la macro: no se pudo escribir %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Error al importar la macro: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>no se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>el archivo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>el archivo no es un documento XML completo</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>el archivo no contiene ningún evento</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>el archivo contiene demasiados eventos (como máximo %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>un valor del evento %1 es demasiado largo para su campo</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>la marca del evento %1 no es un número decimal</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>el retardo del evento %1 no es un número de 0 a %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>el evento %1 no es un evento de teclado ni de ratón</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>el código de tecla del evento %1 no es un número de %2 a %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>el código de ratón del evento %1 no corresponde a ningún botón del ratón</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>el evento %1 no es una pulsación ni una liberación</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>la marca %1 no tiene exactamente una pulsación seguida de una liberación</translation>
    </message>
</context>
</TS>
