<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Saída do software</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflito, o software deixou de funcionar!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Foi guardado um relatório da falha em:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Gravar no teclado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Selecione primeiro uma tecla</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>A configuração falhou porque o texto está vazio</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>A configuração falhou porque não foi possível guardar o perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Toque leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Toque forte</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
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
        <translation>Sair(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>As teclas só são capturadas com esta janela em foco.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Iniciar aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuração do teclado</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Iluminação do teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Iluminação lateral</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
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
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Alternar janelas</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
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
        <translation>Camada padrão</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Nível da bateria</translation>
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
        <translation>Mudar para 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Iluminação geral</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Iluminação interativa</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda a iluminação</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direção +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direção -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direção em ciclo</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Cores completas</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
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
        <translation>Desligar tudo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Desligar retroiluminação</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Parar retroiluminação</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Gravação de iluminação</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar iluminação lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Parar iluminação lateral</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Não pode ser remapeada</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Configuração gravada no teclado</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Falha ao gravar no teclado, tente novamente</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n tecla está associada a uma macro, mas o teclado guarda apenas %1. Nada foi enviado.</numerusform>
            <numerusform>%n teclas estão associadas a macros, mas o teclado guarda apenas %1. Nada foi enviado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n tecla está associada a uma tecla avançada, mas o teclado guarda apenas %1. Nada foi enviado.</numerusform>
            <numerusform>%n teclas estão associadas a teclas avançadas, mas o teclado guarda apenas %1. Nada foi enviado.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>A combinação de teclas da tecla %1 tem mais de duas teclas modificadoras, que o teclado não consegue guardar. Nada foi enviado.</translation>
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
        <translation>Dispositivo não ligado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibração de todas as teclas em curso ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>O dispositivo está offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>O dispositivo já está selecionado</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Ponto de acionamento</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Gravar no teclado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada padrão</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>A carregar</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Se o bloqueio Win estiver ativo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar a tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Iluminação em suspensão após:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Teclado em suspensão após:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Proibir suspensão</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriedades do teclado</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Repor o perfil atual</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>O tempo de suspensão da iluminação não pode ser maior do que o do teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>O tempo de suspensão do teclado é demasiado curto</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>O tempo de suspensão foi definido</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Falha ao definir o tempo de suspensão</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibração das teclas em curso, aguarde um momento</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>O tempo de suspensão está fora do intervalo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil criado com sucesso</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado com sucesso</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil alterado com sucesso</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operação concluída com sucesso</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado com sucesso</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado com sucesso</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>O número máximo de perfis foi atingido</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Falha ao criar: já existe um perfil com este número, verifique</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>É necessário manter pelo menos um perfil</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Este perfil não existe</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>O nome do perfil não pode estar vazio</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>O ficheiro %1 já existe. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o ficheiro a importar</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Falha ao criar o perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Falha ao eliminar o perfil</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Falha ao alterar o perfil</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>A operação falhou</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Falha ao exportar o perfil</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Falha ao importar o perfil</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 estava danificado e foi restaurado a partir da cópia de segurança; o ficheiro danificado foi movido para %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 estava danificado e foi recriado vazio; o ficheiro danificado foi movido para %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 está danificado e não foi possível movê-lo; as suas definições não podem ser usadas</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Repor o perfil atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir ficheiro de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Ficheiros de perfil (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>O teclado ainda não está pronto; será carregado assim que responder</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
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
        <translation>Mudar o nome</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nenhum teclado precisa de uma atualização de firmware</translation>
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
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Acionamento</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Premir (acionamento)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Soltar (reposição)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Acompanhamento do curso</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Premir e soltar em separado</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Repor sensibilidade</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-ressalto das teclas</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibração das teclas</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibração</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Parar a calibração</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajuste o curso de acionamento e o curso de reposição conforme a intenção de premir ou soltar a tecla.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pode definir separadamente o curso do Rapid Trigger ao premir (acionamento) e ao soltar (reposição).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibração de todas as teclas</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Entre primeiro no modo de calibração das teclas;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Selecione uma tecla;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Clique em «Iniciar calibração»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Prima a tecla selecionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. É apresentado o resultado da calibração;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Ativado: o Rapid Trigger só termina quando soltar completamente a tecla.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Desativado: o Rapid Trigger termina assim que a tecla, ao ser solta, volta a passar o ponto de acionamento.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Defina o ponto de acionamento: quanto a tecla tem de ser premida para acionar.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Durante a calibração de todas as teclas, prima cada tecla para a concluir.</translation>
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
        <translation>Ajuste o curso de acionamento e o curso de reposição conforme a intenção de premir ou soltar a tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidade secundária</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pode definir separadamente o curso do Rapid Trigger ao premir (acionamento) e ao soltar (reposição).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Premir/Soltar</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-ressalto das teclas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar no modo de calibração</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibração</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibração de todas as teclas</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Acompanhamento da intensidade</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Repor sensibilidade</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Explicação</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explicação</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explicação</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explicação</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explicação</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicação</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>(Toque leve) Remapear tecla</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Toque forte) Combinação de teclas</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Espaço</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
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
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reativo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilação</translation>
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
        <translation>Resposta à velocidade</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulação automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrias</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fogo de artifício</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Toque leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Toque forte</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>O ficheiro tem mais de %1 MB e não pode ser importado</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Não guardado: o ficheiro ficaria com mais de %1 MB. Nada foi alterado.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>o caminho da pasta %1 é demasiado longo</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 tem mais de %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 não pode ser lido nem escrito</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Não é possível abrir os perfis de %1: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Teclas do perfil a importar iniciam estes programas:

%1

Importar o perfil com estas teclas? Caso contrário, nada é importado.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Ative primeiro o modo de calibração das teclas</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibração das teclas concluída</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibração das teclas em curso</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>A calibração das teclas falhou</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Gravação de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Como gravado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Predefinido</translation>
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
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Gravação da macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Gravação da macro parada</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Foi atingido o número máximo de eventos</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selecione primeiro uma posição na lista</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Evento inserido</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Evento alterado</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>A gravação está vazia</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserir evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir depois do evento</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir antes do evento</translation>
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
        <translation>Rato</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Prima uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduza o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro adicionada</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>O nome da macro não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome da macro alterado</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selecione primeiro uma macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro limpa</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Não foi possível guardar o ficheiro de macros</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Não foi possível ler o ficheiro de macros</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
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
        <translation>Mudar o nome</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n tecla está atribuída a esta macro. Ao eliminar a macro, volta à sua função predefinida. Eliminar a macro?</numerusform>
            <numerusform>%n teclas estão atribuídas a esta macro. Ao eliminar a macro, voltam à sua função predefinida. Eliminar a macro?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normais</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiais</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Pontos de acionamento das ações DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Não foi possível guardar o ficheiro das teclas avançadas</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Atualização do firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Não desligue o teclado durante a atualização do firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Firmware atualizado</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cabo</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Recetor de 2,4 GHz</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>A atualização do firmware falhou</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Ações do rato</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Gravação de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Como gravado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Predefinido</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>A gravação está vazia</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserir evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir depois do evento</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir antes do evento</translation>
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
        <translation>Rato</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Prima uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduza o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Alterar</translation>
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
        <translation>Mudar o nome</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normais</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiais</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Pontos de acionamento das ações DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>O nome do esquema personalizado não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome do esquema personalizado alterado</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Não foi possível alterar o nome do esquema personalizado</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Esquemas personalizados</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Iluminação lateral</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Para a direita</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Para a esquerda</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Do centro para fora</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>Para o centro</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>No sentido horário</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>No sentido anti-horário</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Iluminação lateral: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Selecione teclas na imagem e depois escolha uma cor.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Usar este esquema no teclado</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>O dispositivo não tem iluminação lateral</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Não foi possível guardar a definição de iluminação nem enviá-la para o teclado.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Configura as teclas, a iluminação e os perfis do teclado</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Arranque automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar com o sistema (minimizado)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fechar para a área de notificação</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Procurar atualização de firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Definição guardada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Não foi possível guardar a definição</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informações do firmware</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>À escuta: prima uma tecla ou escolha uma abaixo</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remapear com?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Introduzir teclas?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
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
        <translation>Tipo de reprodução</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua ligada/desligada</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla estiver premida</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de reproduções</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproduções 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Grave primeiro uma macro</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o ficheiro da sua aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>O texto é demasiado longo, a parte que não cabe não foi adicionada</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Arranque automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar com o sistema (minimizado)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fechar para a área de notificação</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Procurar atualização de firmware</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicação</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
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
        <translation>Outro</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informações do firmware</translation>
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
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de iluminação</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
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
        <translation>Formulário</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Toque leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Toque forte</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remapear com?</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Toque leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Toque forte</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Introduzir teclas?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o ficheiro da sua aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Teclas avançadas</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duração da pressão</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Ainda não há teclas avançadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>A tecla tem duas funções: uma ao mantê-la premida e outra ao premi-la.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Prima esta tecla para ligar ou desligar o acionamento contínuo.</translation>
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
        <translation>Manter</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duração da pressão</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Ainda não há teclas avançadas</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>A tecla tem duas funções: uma ao mantê-la premida e outra ao premi-la.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Prima esta tecla para ligar ou desligar o acionamento contínuo.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Com «Tecla única» selecionada, basta premir uma tecla para concluir a configuração;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Com «Combinação de teclas» selecionada, escolha pelo menos uma tecla modificadora e depois outra tecla para concluir a combinação, por exemplo L_Shift+A ou L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>A tecla pode executar quatro funções: é possível associar de 1 a 4 funções a quatro profundidades de pressão diferentes.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avançada criada</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avançada eliminada</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Foi atingido o número máximo de teclas avançadas</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n tecla está atribuída a esta tecla avançada. Ao eliminá-la, recupera a sua função predefinida. Eliminar?</numerusform>
            <numerusform>%n teclas estão atribuídas a esta tecla avançada. Ao eliminá-la, recuperam a sua função predefinida. Eliminar?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir ficheiro de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Ficheiros de macro (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada com sucesso</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada com sucesso</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Falha ao exportar a macro: não foi possível ler a macro</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Falha ao exportar a macro: não foi possível escrever %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Falha ao importar a macro: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>não foi possível abrir o ficheiro</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>o ficheiro tem mais de %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>o ficheiro não é um documento XML completo</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>o ficheiro não contém nenhum evento</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>o ficheiro contém demasiados eventos (no máximo %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>um valor do evento %1 é demasiado longo para o seu campo</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>a marca do evento %1 não é um número decimal</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>o atraso do evento %1 não é um número de 0 a %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>o evento %1 não é um evento de teclado nem de rato</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>o código de tecla do evento %1 não é um número de %2 a %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>o código de rato do evento %1 não corresponde a nenhum botão do rato</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>o evento %1 não é um premir nem um soltar</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>a marca %1 não tem exatamente um premir seguido de um soltar</translation>
    </message>
</context>
</TS>
