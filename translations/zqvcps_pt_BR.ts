<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>OLE initialization failed. Make sure that the OLE libraries are the correct version.</source>
        <translation>Falha na inicialização do OLE. Verifique se as bibliotecas OLE estão na versão correta.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Erro fatal: 101.</translation>
    </message>
    <message>
        <source>Fatal error.
Please uninstall and re-install ZQV CPS.</source>
        <translation>Erro fatal.
Desinstale e reinstale o ZQV CPS.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Falha ao carregar o perfil.</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Falha na inicialização dos sockets do Windows.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Perfil inválido.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Programing error: 107.</source>
        <translation>Erro de programação: 107.</translation>
    </message>
    <message>
        <source>Programing error: 108.</source>
        <translation>Erro de programação: 108.</translation>
    </message>
    <message>
        <source>Scroll List</source>
        <translation>Lista de rolagem</translation>
    </message>
    <message>
        <source>Channel %d</source>
        <translation>Canal %d</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>Modo de varredura</translation>
    </message>
    <message>
        <source>A similar name already exists in the contact list. Please specify a different name.</source>
        <translation>Já existe um nome semelhante na lista de contatos. Especifique um nome diferente.</translation>
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
Arquivos do ZQV CPS (*.zqv)
.zqv
ZQVCPS.Profile
ZQVCPS.Profile</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Mensagens de texto</translation>
    </message>
    <message>
        <source>A similar PID already exists in the contact list. Please specify a different PID.</source>
        <translation>Este PID já existe na lista de contatos. Especifique um PID diferente.</translation>
    </message>
    <message>
        <source>Changing the channel will remove this public group from channel %d&apos;s scan list and add it to channel %d&apos;s scan list. Do you want to continue?</source>
        <translation>Mudar o canal removerá este grupo público da lista de varredura do canal %d e o adicionará à lista de varredura do canal %d. Deseja continuar?</translation>
    </message>
    <message>
        <source>Channel changed successfully, but the new channel&apos;s scan list is full, this contact has not been added to new channel&apos;s scan list.</source>
        <translation>O canal foi alterado, mas a lista de varredura do novo canal está cheia; este contato não foi adicionado à lista de varredura do novo canal.</translation>
    </message>
    <message>
        <source>Programing error: 135.
No available private contacts in the new channel.</source>
        <translation>Erro de programação: 135.
Não há contatos privados disponíveis no novo canal.</translation>
    </message>
    <message>
        <source>Changing this Private Group&apos;s channel will remove all of its members. Do you want to continue?</source>
        <translation>Mudar o canal deste grupo privado removerá todos os seus membros. Deseja continuar?</translation>
    </message>
    <message>
        <source>Changing this Private contact&apos;s channel will remove it from all of its Private Groups and any Private Groups with no member will be deleted.  Also, this contact&apos;s Home Group field will be cleared. Do you want to continue?</source>
        <translation>Mudar o canal deste contato privado o removerá de todos os seus grupos privados, e os grupos privados que ficarem sem membros serão excluídos.  Além disso, o campo Grupo principal deste contato será apagado. Deseja continuar?</translation>
    </message>
    <message>
        <source>Private contact already belongs to maximum number of private groups. Please remove this private contact from a private group first.</source>
        <translation>O contato privado já pertence ao número máximo de grupos privados. Remova primeiro este contato privado de um grupo privado.</translation>
    </message>
    <message>
        <source>Deleting this Private Group will remove all of its members. Do you want to continue?</source>
        <translation>Excluir este grupo privado removerá todos os seus membros. Deseja continuar?</translation>
    </message>
    <message>
        <source>Deleting this Private contact will remove it from all of its Private Groups and any Private Groups with no member will be deleted. Do you want to continue?</source>
        <translation>Excluir este contato privado o removerá de todos os seus grupos privados, e os grupos privados que ficarem sem membros serão excluídos. Deseja continuar?</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Informações do revendedor</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Informações de contato</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Error: There is an error when to acquire language type!</source>
        <translation>Erro: ocorreu um erro ao obter o tipo de idioma!</translation>
    </message>
    <message>
        <source>The length of contact name can not exceed %d.</source>
        <translation>O comprimento do nome do contato não pode exceder %d.</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Escolha um modelo de relatório.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Relatórios</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Radio-Specific Report</source>
        <translation>Relatório específico do rádio</translation>
    </message>
    <message>
        <source>Overview Report</source>
        <translation>Relatório geral</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Home Channel</source>
        <translation>Canal principal</translation>
    </message>
    <message>
        <source>See All Groups</source>
        <translation>Ver todos os grupos</translation>
    </message>
    <message>
        <source>Receive From</source>
        <translation>Receber de</translation>
    </message>
    <message>
        <source>Transmit To</source>
        <translation>Transmitir para</translation>
    </message>
    <message>
        <source>All Privates</source>
        <translation>Todos os privados</translation>
    </message>
    <message>
        <source>All Private Groups</source>
        <translation>Todos os grupos privados</translation>
    </message>
    <message>
        <source>All Public Groups</source>
        <translation>Todos os grupos públicos</translation>
    </message>
    <message>
        <source>Manager Mode Enabled</source>
        <translation>Modo gerente ativado</translation>
    </message>
    <message>
        <source>See All Groups Enabled</source>
        <translation>Ver todos os grupos ativado</translation>
    </message>
    <message>
        <source>Group Only Enabled</source>
        <translation>Somente grupo ativado</translation>
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
        <translation>Lista de recepção</translation>
    </message>
    <message>
        <source>Group Members</source>
        <translation>Membros do grupo</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>The length of text message can not exceed %d characters.</source>
        <translation>O comprimento da mensagem de texto não pode exceder %d caracteres.</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Manager Mode</source>
        <translation>Modo gerente</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Scroll List (global)</source>
        <translation>Lista de rolagem (global)</translation>
    </message>
    <message>
        <source>Scroll List (private)</source>
        <translation>Lista de rolagem (privada)</translation>
    </message>
    <message>
        <source>Private Scroll List</source>
        <translation>Lista de rolagem privada</translation>
    </message>
    <message>
        <source>The message can only contain ISO-8859-1 characters. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>A mensagem só pode conter caracteres ISO-8859-1. Se continuar, esta mensagem será excluída. Deseja continuar?</translation>
    </message>
    <message>
        <source>Contact name can only contain ISO-8859-1 characters.</source>
        <translation>O nome do contato só pode conter caracteres ISO-8859-1.</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>Painel de a&amp;juda</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Alguns arquivos necessários ao CPS não estão disponíveis.
Reinstale o CPS.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>O arquivo de recursos do idioma não foi encontrado. O CPS será iniciado em inglês.</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>É preciso reiniciar o CPS para que esta alteração tenha efeito.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Novo	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salvar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Adicionar	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Scan(Add)	Ctrl+T</source>
        <translation>&amp;Escanear(Adicionar)	Ctrl+T</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Recor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;olar	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>E&amp;xcluir	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Re&amp;nomear	F2</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>Dados do &amp;revendedor</translation>
    </message>
    <message>
        <source>Pr&amp;eference</source>
        <translation>&amp;Preferências</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Error: Unable to convert the radio text format into the CPS text format.</source>
        <translation>Erro: não é possível converter o formato de texto do rádio para o formato de texto do CPS.</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>&amp;Read	Ctrl+R</source>
        <translation>&amp;Ler	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write	Ctrl+W</source>
        <translation>&amp;Gravar	Ctrl+W</translation>
    </message>
    <message>
        <source>R&amp;eset	Ctrl+E</source>
        <translation>&amp;Reiniciar	Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Relatório</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content and Index...	F1</source>
        <translation>&amp;Conteúdo e índice...	F1</translation>
    </message>
    <message>
        <source>&amp;About %s...</source>
        <translation>&amp;Sobre o %s...</translation>
    </message>
    <message>
        <source>Error: Unable to convert CPS character format into the radio text format.</source>
        <translation>Erro: não é possível converter o formato de caracteres do CPS para o formato de texto do rádio.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Error: 101 Some node exist in CodePlugSetting part and VisibleSetting.</source>
        <translation>Erro: 101 Há nós presentes tanto na parte CodePlugSetting quanto em VisibleSetting.</translation>
    </message>
    <message>
        <source>Error: 102 Some node are not correct, please check.</source>
        <translation>Erro: 102 Há nós incorretos; verifique.</translation>
    </message>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the ZQV CPS.</source>
        <translation>O CPS precisa do mecanismo VBScript para iniciar. Instale o mecanismo VBScript antes de reiniciar o ZQV CPS.</translation>
    </message>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Digite 4 caracteres numéricos.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>As senhas digitadas não coincidem.</translation>
    </message>
    <message>
        <source>The opened profile is not the latest format. Do you want convert it to the latest format?
(You can&apos;t convert it back to the original format once you select yes.)</source>
        <translation>O perfil aberto não está no formato mais recente. Deseja convertê-lo para o formato mais recente?
(Depois de selecionar Sim, não será possível convertê-lo de volta ao formato original.)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
    </message>
    <message>
        <source>File format is error. Failed to save.</source>
        <translation>Formato de arquivo incorreto. Falha ao salvar.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Digite a senha:</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it.</source>
        <translation>A senha não está correta. Verifique-a.</translation>
    </message>
    <message>
        <source>Error: Unable to get radio password.</source>
        <translation>Erro: não é possível obter a senha do rádio.</translation>
    </message>
    <message>
        <source>No COM port is detected on this computer.</source>
        <translation>Nenhuma porta COM foi detectada neste computador.</translation>
    </message>
    <message>
        <source>ZQV7 M profile is not compatible with ZQV7 radio.</source>
        <translation>O perfil ZQV7 M não é compatível com o rádio ZQV7.</translation>
    </message>
    <message>
        <source>Auto Detect COM Port</source>
        <translation>Detectar porta COM automaticamente</translation>
    </message>
    <message>
        <source>Do you want to create a new profile(Yes), overwrite the currently selected profile(No) or cancel it?</source>
        <translation>Deseja criar um novo perfil (Sim), sobrescrever o perfil selecionado (Não) ou cancelar?</translation>
    </message>
    <message>
        <source>Preference Setting</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Select COM Port</source>
        <translation>Selecionar porta COM</translation>
    </message>
    <message>
        <source>Can not read the registry entry of </source>
        <translation>Não é possível ler a entrada do registro de </translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Lendo do rádio ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Gravando no rádio ...</translation>
    </message>
    <message>
        <source>Reading successful!</source>
        <translation>Leitura concluída com sucesso!</translation>
    </message>
    <message>
        <source>Writing success!</source>
        <translation>Gravação concluída com sucesso!</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Transferindo</translation>
    </message>
    <message>
        <source>Warning: The radio being programmed is not in this profile. Do you want to continue?</source>
        <translation>Aviso: o rádio que está sendo programado não está neste perfil. Deseja continuar?</translation>
    </message>
    <message>
        <source>Warning: Some profile information is not supported by the host radio and therefore it will not be transferred. Do you want to continue?</source>
        <translation>Aviso: algumas informações do perfil não são suportadas pelo rádio conectado e, portanto, não serão transferidas. Deseja continuar?</translation>
    </message>
    <message>
        <source>Unknown Warning!</source>
        <translation>Aviso desconhecido!</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Escolha o modelo do perfil.</translation>
    </message>
    <message>
        <source>Unit Private ID</source>
        <translation>ID privado da unidade</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versão do codeplug</translation>
    </message>
    <message>
        <source>Press Home 3 times and then PTT on the other radio.</source>
        <translation>Pressione Home 3 vezes e depois o PTT no outro rádio.</translation>
    </message>
    <message>
        <source>Home Group</source>
        <translation>Grupo principal</translation>
    </message>
    <message>
        <source>Group Only</source>
        <translation>Somente grupo</translation>
    </message>
    <message>
        <source>Ringer</source>
        <translation>Campainha</translation>
    </message>
    <message>
        <source>The message field is blank. By continuing, this message will be deleted. Do you want to continue?</source>
        <translation>O campo da mensagem está vazio. Se continuar, esta mensagem será excluída. Deseja continuar?</translation>
    </message>
    <message>
        <source>Note: Canceling the operation...</source>
        <translation>Observação: cancelando a operação...</translation>
    </message>
    <message>
        <source>There should be at least one group member assigned!</source>
        <translation>Deve haver pelo menos um membro do grupo atribuído!</translation>
    </message>
    <message>
        <source>Read Private ID from Radio</source>
        <translation>Ler ID privado do rádio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Erro: não é possível encontrar os arquivos de modelo!</translation>
    </message>
    <message>
        <source>Fatal registry error. Please reinstall CPS.</source>
        <translation>Erro fatal de registro. Reinstale o CPS.</translation>
    </message>
    <message>
        <source>Failure to read dealer information from the registry!</source>
        <translation>Falha ao ler as informações do revendedor no registro!</translation>
    </message>
    <message>
        <source>Failure to write dealer information to the registry!</source>
        <translation>Falha ao gravar as informações do revendedor no registro!</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade
          your CPS software.</source>
        <translation>Erro: a versão do rádio não é suportada. Atualize o
          software CPS.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that
          does not support the CPS.</source>
        <translation>Erro: seu rádio tem uma versão de firmware anterior que
          não suporta o CPS.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset or a radio write
          operation first.</source>
        <translation>Erro: faça primeiro uma reinicialização ou uma operação
          de gravação do rádio.</translation>
    </message>
    <message>
        <source>Error: Radio model is unsupported.</source>
        <translation>Erro: modelo de rádio não suportado.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a
          few seconds.</source>
        <translation>Erro: o rádio está ocupado. Tente novamente dentro de
          alguns segundos.</translation>
    </message>
    <message>
        <source>Error: Operation timed out.</source>
        <translation>Erro: tempo limite da operação esgotado.</translation>
    </message>
    <message>
        <source>Error: COM port already in use by another application.</source>
        <translation>Erro: a porta COM já está sendo usada por outro aplicativo.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio.
          Please check your connection and try again.</source>
        <translation>Erro: não é possível estabelecer uma conexão com o rádio.
          Verifique a conexão e tente novamente.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>ZQV CPS - the programming software for ZQV push-to-talk radios</source>
        <translation>ZQV CPS - o software de programação para rádios push-to-talk ZQV</translation>
    </message>
    <message>
        <source>Version %s</source>
        <translation>Versão %s</translation>
    </message>
    <message>
        <source>Copyright (C) Corvane. All rights reserved.</source>
        <translation>Copyright (C) Corvane. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>This program is protected by copyright law.</source>
        <translation>Este programa é protegido pela lei de direitos autorais.</translation>
    </message>
    <message>
        <source>Unauthorized copying or distribution of this program, or of any part of it, is not permitted.</source>
        <translation>A cópia ou distribuição não autorizada deste programa, ou de qualquer parte dele, não é permitida.</translation>
    </message>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Erro: não é possível encontrar o arquivo de ajuda!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Erro: o formato do arquivo de ajuda é inválido!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in registry!</source>
        <translation>Erro: não é possível encontrar as informações do arquivo de ajuda no registro!</translation>
    </message>
    <message>
        <source>Error: Operation Failed.</source>
        <translation>Erro: falha na operação.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%s).</source>
        <translation>Erro: falha na operação (%s).</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%d).</source>
        <translation>Erro: falha na operação (%d).</translation>
    </message>
    <message>
        <source>Invalid Opcode</source>
        <translation>Código de operação inválido</translation>
    </message>
    <message>
        <source>Unsupported Command</source>
        <translation>Comando não suportado</translation>
    </message>
    <message>
        <source>Operation Unsupported</source>
        <translation>Operação não suportada</translation>
    </message>
    <message>
        <source>User Canceled</source>
        <translation>Cancelado pelo usuário</translation>
    </message>
    <message>
        <source>Message Compose</source>
        <translation>Composição de mensagem</translation>
    </message>
    <message>
        <source>Error: The radio version is unsupported. Please upgrade your CPS software.</source>
        <translation>Erro: a versão do rádio não é suportada. Atualize o software CPS.</translation>
    </message>
    <message>
        <source>Error: Radio is currently busy. Please try again after a few seconds.</source>
        <translation>Erro: o rádio está ocupado. Tente novamente dentro de alguns segundos.</translation>
    </message>
    <message>
        <source>Error: Unable to establish a connection with the radio. Please check your connection and try again.</source>
        <translation>Erro: não é possível estabelecer uma conexão com o rádio. Verifique a conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Error: Your radio has an earlier firmware version that does not support the CPS.</source>
        <translation>Erro: seu rádio tem uma versão de firmware anterior que não suporta o CPS.</translation>
    </message>
    <message>
        <source>Error: Please perform a radio reset.</source>
        <translation>Erro: faça uma reinicialização do rádio.</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erro ao carregar os dados da exibição de informações do rádio.</translation>
    </message>
    <message>
        <source>Error: Text messages view loads data.</source>
        <translation>Erro ao carregar os dados da exibição de mensagens de texto.</translation>
    </message>
    <message>
        <source>Rule script error (JavaScript engine)
</source>
        <translation>Erro no script de regras (mecanismo JavaScript)
</translation>
    </message>
    <message>
        <source>Line: %d
</source>
        <translation>Linha: %d
</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>Salvar as alterações em %s?</translation>
    </message>
    <message>
        <source>This ID is not valid for this radio model.</source>
        <translation>Este ID não é válido para este modelo de rádio.</translation>
    </message>
    <message>
        <source>Valid IDs for this model: %s to %s.</source>
        <translation>IDs válidos para este modelo: de %s a %s.</translation>
    </message>
    <message>
        <source>The ID is held by &quot;%s&quot;.</source>
        <translation>O ID pertence a &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Bank %d</source>
        <translation>Banco %d</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>The private scroll list is empty. Do you want to start it with the contacts of the scroll list?</source>
        <translation>A lista de rolagem privada está vazia. Deseja preenchê-la com os contatos da lista de rolagem?</translation>
    </message>
    <message>
        <source>The value is not valid.</source>
        <translation>O valor não é válido.</translation>
    </message>
    <message>
        <source>Error: The COM port does not exist. Check that the cable is plugged in and that the right port is chosen.</source>
        <translation>Erro: a porta COM não existe. Verifique se o cabo está conectado e se a porta correta foi escolhida.</translation>
    </message>
    <message>
        <source>Error: The connection to the radio was lost during the transfer. Check the cable and try again.</source>
        <translation>Erro: a conexão com o rádio foi perdida durante a transferência. Verifique o cabo e tente novamente.</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s firmware version %s belongs to no setting group of this installation. Please upgrade your CPS software.</source>
        <translation>Erro: a versão de firmware %s do rádio não pertence a nenhum grupo de configurações desta instalação. Atualize o software CPS.</translation>
    </message>
    <message>
        <source>%d contact(s) of a type this program does not know were left out of the read.</source>
        <translation>%d contato(s) de um tipo que este programa não conhece ficaram de fora da leitura.</translation>
    </message>
    <message>
        <source>%d control character(s) in names and texts read from the radio were replaced by blanks.</source>
        <translation>%d caractere(s) de controle em nomes e textos lidos do rádio foram substituídos por espaços.</translation>
    </message>
    <message>
        <source>The radio was reset after the write stopped part-way and holds an incomplete profile. Write the whole profile into the radio again.</source>
        <translation>O rádio foi reiniciado depois que a gravação parou no meio e contém um perfil incompleto. Grave novamente o perfil inteiro no rádio.</translation>
    </message>
    <message>
        <source>The file is too large for a profile: a profile holds at most %d KB.</source>
        <translation>O arquivo é grande demais para um perfil: um perfil tem no máximo %d KB.</translation>
    </message>
    <message>
        <source>The file is not a valid profile: an element has more than %d attributes.</source>
        <translation>O arquivo não é um perfil válido: um elemento tem mais de %d atributos.</translation>
    </message>
    <message>
        <source>%s is not a regular file and cannot be opened as a profile.</source>
        <translation>%s não é um arquivo comum e não pode ser aberto como perfil.</translation>
    </message>
    <message>
        <source>The profile is incomplete: the setting &quot;%s&quot; is missing.</source>
        <translation>O perfil está incompleto: falta a configuração &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Failed to save %s.
%s</source>
        <translation>Falha ao salvar %s.
%s</translation>
    </message>
    <message>
        <source>The radio cannot take the profile exactly as it is. Writing it changes the following:

%s

Do you want to write the radio anyway?</source>
        <translation>O rádio não aceita o perfil exatamente como está. Gravá-lo altera o seguinte:

%s

Deseja gravar o rádio mesmo assim?</translation>
    </message>
    <message>
        <source>%s, %s: the profile has &quot;%s&quot;, the radio would get &quot;%s&quot;</source>
        <translation>%s, %s: o perfil tem &quot;%s&quot;, o rádio receberia &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%s: not written to the radio</source>
        <translation>%s: não gravado no rádio</translation>
    </message>
    <message>
        <source>%s, %s: &quot;%s&quot; is also the name of %s; contacts are found by name, so only the first is used</source>
        <translation>%s, %s: &quot;%s&quot; também é o nome de %s; os contatos são localizados pelo nome, então só o primeiro é usado</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Aviso: %s</translation>
    </message>
    <message>
        <source>%s: not written, its record is too long for the radio</source>
        <translation>%s: não gravado, seu registro é longo demais para o rádio</translation>
    </message>
    <message>
        <source>... and %s more</source>
        <translation>... e mais %s</translation>
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
        <translation>Não foi possível ler as preferências do programa, e elas foram redefinidas. O arquivo ilegível foi mantido como:
%s</translation>
    </message>
    <message>
        <source>Write a link trace</source>
        <translation>Registrar a comunicação</translation>
    </message>
    <message>
        <source>Trace file: %s</source>
        <translation>Arquivo de registro: %s</translation>
    </message>
    <message>
        <source>The link trace file %s could not be opened: %s</source>
        <translation>Não foi possível abrir o arquivo de registro da comunicação %s: %s</translation>
    </message>
    <message>
        <source>ZQV Radio Information</source>
        <translation>Informações do rádio ZQV</translation>
    </message>
    <message>
        <source>This radio is protected by a codeplug password. Give it with --password.</source>
        <translation>Este rádio está protegido por uma senha de codeplug. Informe-a com --password.</translation>
    </message>
    <message>
        <source>Setting Group</source>
        <translation>Grupo de configurações</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponíveis</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selecionados</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <source>The Radio-Specific Report describes the radio whose Unit Private ID belongs to a private contact of the profile. This profile has no such contact.</source>
        <translation>O relatório específico do rádio descreve o rádio cujo ID privado da unidade pertence a um contato privado do perfil. Este perfil não tem esse contato.</translation>
    </message>
    <message>
        <source>The report could not be saved as %s.</source>
        <translation>Não foi possível salvar o relatório como %s.</translation>
    </message>
    <message>
        <source>Web page (*.htm *.html)</source>
        <translation>Página da web (*.htm *.html)</translation>
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
        <translation>Sobre o %s</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obter ajuda, pressione F1</translation>
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
        <translation>Criar um novo documento
Novo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir um documento existente
Abrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fechar o documento ativo
Fechar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salvar o documento ativo
Salvar</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Salvar o documento ativo com um novo nome
Salvar como</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Sair do aplicativo; pergunta se deseja salvar os documentos
Sair</translation>
    </message>
    <message>
        <source>Add a tree item
Add</source>
        <translation>Adicionar um item da árvore
Adicionar</translation>
    </message>
    <message>
        <source>Add a private contact with bar code scanner
Scan</source>
        <translation>Adicionar um contato privado com o leitor de código de barras
Escanear</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Recortar a seleção e colocá-la na Área de Transferência
Recortar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar a seleção e colocá-la na Área de Transferência
Copiar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserir o conteúdo da Área de Transferência
Colar</translation>
    </message>
    <message>
        <source>Delete a tree item
Delete</source>
        <translation>Excluir um item da árvore
Excluir</translation>
    </message>
    <message>
        <source>Change the name of a tree item</source>
        <translation>Alterar o nome de um item da árvore</translation>
    </message>
    <message>
        <source>Dealer information setting</source>
        <translation>Configurar as informações do revendedor</translation>
    </message>
    <message>
        <source>Preference setting</source>
        <translation>Configurar as preferências</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas
Alternar barra de ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar ou ocultar a barra de status
Alternar barra de status</translation>
    </message>
    <message>
        <source>Show or hide the help pane
Toggle help pane</source>
        <translation>Mostrar ou ocultar o painel de ajuda
Alternar painel de ajuda</translation>
    </message>
    <message>
        <source>Read from the radio
Read</source>
        <translation>Ler do rádio
Ler</translation>
    </message>
    <message>
        <source>Write to the radio
Write</source>
        <translation>Gravar no rádio
Gravar</translation>
    </message>
    <message>
        <source>Reset the radio
Reset</source>
        <translation>Reiniciar o rádio
Reiniciar</translation>
    </message>
    <message>
        <source>Generate a report
Report</source>
        <translation>Gerar um relatório
Relatório</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar as janelas sobrepostas
Janelas em cascata</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar as janelas lado a lado, sem sobreposição
Janelas lado a lado</translation>
    </message>
    <message>
        <source>Display Help</source>
        <translation>Exibir a ajuda</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibir informações do programa, número da versão e copyright
Sobre</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>%s: added</source>
        <translation>%s: adicionado</translation>
    </message>
    <message>
        <source>%s: removed</source>
        <translation>%s: removido</translation>
    </message>
    <message>
        <source>%s, %s: %s → %s</source>
        <translation>%s, %s: %s → %s</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; (%s)</source>
        <translation>Contato privado &quot;%s&quot; (%s)</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Radio features</source>
        <translation>Recursos do rádio</translation>
    </message>
    <message>
        <source>Text message %s &quot;%s&quot;</source>
        <translation>Mensagem de texto %s &quot;%s&quot;</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
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
        <translation>grupo principal</translation>
    </message>
    <message>
        <source>in scroll list</source>
        <translation>na lista de rolagem</translation>
    </message>
    <message>
        <source>in scan list</source>
        <translation>na lista de varredura</translation>
    </message>
    <message>
        <source>alert tone</source>
        <translation>campainha</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
    </message>
    <message>
        <source>show group only</source>
        <translation>somente grupo</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <translation>(oculto)</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nenhuma diferença.</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows:

%s

Do you want to write the radio?</source>
        <translation>Gravar este perfil altera o rádio da seguinte forma:

%s

Deseja gravar o rádio?</translation>
    </message>
    <message>
        <source>The radio already holds this profile: writing it changes nothing.

Do you want to write the radio anyway?</source>
        <translation>O rádio já contém este perfil: gravá-lo não altera nada.

Deseja gravar o rádio mesmo assim?</translation>
    </message>
    <message>
        <source>The radio&apos;s programming was saved as %s</source>
        <translation>A programação do rádio foi salva como %s</translation>
    </message>
    <message>
        <source>The radio&apos;s programming could not be saved as a backup in %s. Nothing was written.</source>
        <translation>Não foi possível salvar a programação do rádio como backup em %s. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The radio was verified: it holds what was written.</source>
        <translation>O rádio foi verificado: ele contém o que foi gravado.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s</source>
        <translation>O rádio não contém o que foi gravado:

%s</translation>
    </message>
    <message>
        <source>The radio could not be read back, so the write was not verified.</source>
        <translation>Não foi possível ler o rádio de volta, portanto a gravação não foi verificada.</translation>
    </message>
    <message>
        <source>The write did not complete, so the radio may hold part of the new programming.

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>A gravação não foi concluída, então o rádio pode conter parte da nova programação.

Deseja gravar de volta no rádio o backup feito antes da gravação?
%s</translation>
    </message>
    <message>
        <source>Backing up the radio ...</source>
        <translation>Fazendo backup do rádio ...</translation>
    </message>
    <message>
        <source>Verifying the radio ...</source>
        <translation>Verificando o rádio ...</translation>
    </message>
    <message>
        <source>No backups have been saved.</source>
        <translation>Nenhum backup foi salvo.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>Show the backups of all radios</source>
        <translation>Mostrar os backups de todos os rádios</translation>
    </message>
    <message>
        <source>Changes to the Radio</source>
        <translation>Alterações no rádio</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Back up the radio before writing</source>
        <translation>Fazer backup do rádio antes de gravar</translation>
    </message>
    <message>
        <source>Verify the radio after writing</source>
        <translation>Verificar o rádio após gravar</translation>
    </message>
    <message>
        <source>Backups kept per radio:</source>
        <translation>Backups mantidos por rádio:</translation>
    </message>
    <message>
        <source>Write a backup of a radio back into it
Restore Backup</source>
        <translation>Gravar de volta em um rádio um backup dele
Restaurar backup</translation>
    </message>
    <message>
        <source>Item
Change
Now in the radio
After the write</source>
        <translation>Item
Alteração
Agora no rádio
Após a gravação</translation>
    </message>
    <message>
        <source>added</source>
        <translation>adicionado</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>removido</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Restaurar &amp;backup...</translation>
    </message>
    <message>
        <source>Writing this profile changes the radio as follows. What the radio held before was saved as:
%s</source>
        <translation>Gravar este perfil altera o rádio da seguinte forma. O que o rádio continha antes foi salvo como:
%s</translation>
    </message>
    <message>
        <source>Choose the backup to write back into the radio. It opens as a profile and is written with the same backup, change report and check as any write.</source>
        <translation>Escolha o backup a ser gravado de volta no rádio. Ele é aberto como perfil e gravado com o mesmo backup, relatório de alterações e verificação de qualquer gravação.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>It is not a regular file (a folder, a device or a pipe).</source>
        <translation>Não é um arquivo comum (uma pasta, um dispositivo ou um pipe).</translation>
    </message>
    <message>
        <source>Your settings cannot be read from %s:
%s
Correct or remove this file, then start the program again.</source>
        <translation>Não é possível ler suas configurações de %s:
%s
Corrija ou remova este arquivo e inicie o programa novamente.</translation>
    </message>
    <message>
        <source>Updates the contact with this PID</source>
        <translation>Atualiza o contato com este PID</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Sem alterações</translation>
    </message>
    <message>
        <source>Same name as an existing contact: skipped</source>
        <translation>Mesmo nome de um contato existente: ignorado</translation>
    </message>
    <message>
        <source>Same name as an existing contact: replaces it</source>
        <translation>Mesmo nome de um contato existente: substitui-o</translation>
    </message>
    <message>
        <source>Same name as an existing contact: added as &quot;%s&quot;</source>
        <translation>Mesmo nome de um contato existente: adicionado como &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Refused: %s</source>
        <translation>Recusado: %s</translation>
    </message>
    <message>
        <source>The PID %s is already on line %s of the file.</source>
        <translation>O PID %s já está na linha %s do arquivo.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s contacts.</source>
        <translation>Este modelo de rádio comporta no máximo %s contatos.</translation>
    </message>
    <message>
        <source>This radio model holds no more contacts of this type.</source>
        <translation>Este modelo de rádio não comporta mais contatos deste tipo.</translation>
    </message>
    <message>
        <source>This radio model holds at most %s text messages.</source>
        <translation>Este modelo de rádio comporta no máximo %s mensagens de texto.</translation>
    </message>
    <message>
        <source>There is no group named &quot;%s&quot; on the contact&apos;s channel.</source>
        <translation>Não há grupo chamado &quot;%s&quot; no canal do contato.</translation>
    </message>
    <message>
        <source>Unknown contact type &quot;%s&quot;.</source>
        <translation>Tipo de contato desconhecido &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>There is no contact named &quot;%s&quot;.</source>
        <translation>Não há contato chamado &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The value &quot;%s&quot; of %s is not valid.</source>
        <translation>O valor &quot;%s&quot; de %s não é válido.</translation>
    </message>
    <message>
        <source>The file is not a table of text (CSV); nothing was imported.</source>
        <translation>O arquivo não é uma tabela de texto (CSV); nada foi importado.</translation>
    </message>
    <message>
        <source>The file is not a valid CSV table (a quoted field is not closed); nothing was imported.</source>
        <translation>O arquivo não é uma tabela CSV válida (um campo entre aspas não é fechado); nada foi importado.</translation>
    </message>
    <message>
        <source>The first line of the file names no column &quot;%s&quot;; nothing was imported.</source>
        <translation>A primeira linha do arquivo não nomeia nenhuma coluna &quot;%s&quot;; nada foi importado.</translation>
    </message>
    <message>
        <source>The file is empty; nothing was imported.</source>
        <translation>O arquivo está vazio; nada foi importado.</translation>
    </message>
    <message>
        <source>%s new, %s updated, %s unchanged, %s name clashes, %s refused.</source>
        <translation>%s novos, %s atualizados, %s sem alterações, %s nomes repetidos, %s recusados.</translation>
    </message>
    <message>
        <source>Line %s: %s</source>
        <translation>Linha %s: %s</translation>
    </message>
    <message>
        <source>Cannot read the file %s.</source>
        <translation>Não é possível ler o arquivo %s.</translation>
    </message>
    <message>
        <source>Cannot write the file %s.</source>
        <translation>Não é possível gravar o arquivo %s.</translation>
    </message>
    <message>
        <source>%s rows written to %s.</source>
        <translation>%s linhas gravadas em %s.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Import from %s</source>
        <translation>Importar de %s</translation>
    </message>
    <message>
        <source>When a name is already in the profile:</source>
        <translation>Quando um nome já está no perfil:</translation>
    </message>
    <message>
        <source>Skip the row</source>
        <translation>Ignorar a linha</translation>
    </message>
    <message>
        <source>Replace the contact of that name</source>
        <translation>Substituir o contato com esse nome</translation>
    </message>
    <message>
        <source>Keep both, the new one with a new name</source>
        <translation>Manter ambos, o novo com outro nome</translation>
    </message>
    <message>
        <source>Line
Name
PID
What happens</source>
        <translation>Linha
Nome
PID
O que acontece</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Import Contacts...</source>
        <translation>&amp;Importar contatos...</translation>
    </message>
    <message>
        <source>Import &amp;Text Messages...</source>
        <translation>Importar &amp;mensagens de texto...</translation>
    </message>
    <message>
        <source>Ex&amp;port Contacts...</source>
        <translation>&amp;Exportar contatos...</translation>
    </message>
    <message>
        <source>Export Text Messa&amp;ges...</source>
        <translation>Exportar mensagens de &amp;texto...</translation>
    </message>
    <message>
        <source>Add or update contacts from a CSV table
Import Contacts</source>
        <translation>Adicionar ou atualizar contatos de uma tabela CSV
Importar contatos</translation>
    </message>
    <message>
        <source>Add text messages from a CSV table
Import Text Messages</source>
        <translation>Adicionar mensagens de texto de uma tabela CSV
Importar mensagens de texto</translation>
    </message>
    <message>
        <source>Write the contacts to a CSV table
Export Contacts</source>
        <translation>Gravar os contatos em uma tabela CSV
Exportar contatos</translation>
    </message>
    <message>
        <source>Write the text messages to a CSV table
Export Text Messages</source>
        <translation>Gravar as mensagens de texto em uma tabela CSV
Exportar mensagens de texto</translation>
    </message>
    <message>
        <source>Setting taken over: %s</source>
        <translation>Configuração adotada: %s</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>Mesc&amp;lar perfil...</translation>
    </message>
    <message>
        <source>Bring contacts, groups, texts or settings of another profile into this one
Merge</source>
        <translation>Trazer contatos, grupos, textos ou configurações de outro perfil para este
Mesclar</translation>
    </message>
    <message>
        <source>Merge %s into this profile</source>
        <translation>Mesclar %s neste perfil</translation>
    </message>
    <message>
        <source>Take from the other profile:</source>
        <translation>Trazer do outro perfil:</translation>
    </message>
    <message>
        <source>Private contacts</source>
        <translation>Contatos privados</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Text messages</source>
        <translation>Mensagens de texto</translation>
    </message>
    <message>
        <source>Scroll and scan lists</source>
        <translation>Listas de rolagem e de varredura</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Mesclar</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatos</translation>
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
        <translation>Rolagem (%d)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de varredura</translation>
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
        <translation> (adicionar com leitor)</translation>
    </message>
    <message>
        <source> (add without scanner)</source>
        <translation> (adicionar sem leitor)</translation>
    </message>
    <message>
        <source>Error: Convert cordinate.</source>
        <translation>Erro: conversão de coordenada.</translation>
    </message>
    <message>
        <source>Profile data Error! The profile will be closed.</source>
        <translation>Erro nos dados do perfil! O perfil será fechado.</translation>
    </message>
    <message>
        <source>The following field(s) have been incorrectly specified:

%s
By continuing, this contact will be deleted. Do you want to continue?</source>
        <translation>Os seguintes campos estão especificados incorretamente:

%s
Se continuar, este contato será excluído. Deseja continuar?</translation>
    </message>
    <message>
        <source>- (Name)
</source>
        <translation>- (Nome)
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
        <translation>- (Membros do grupo)
</translation>
    </message>
    <message>
        <source>Name field can not be empty!</source>
        <translation>O campo Nome não pode ficar vazio!</translation>
    </message>
    <message>
        <source>ID field can not be empty!</source>
        <translation>O campo ID não pode ficar vazio!</translation>
    </message>
    <message>
        <source>Delete Current Contact</source>
        <translation>Excluir contato atual</translation>
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
        <translation>Adicionar &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Remover</translation>
    </message>
    <message>
        <source>Add Public Group</source>
        <translation>Adicionar grupo público</translation>
    </message>
    <message>
        <source>Error: Duplicate public group ID.</source>
        <translation>Erro: ID de grupo público duplicado.</translation>
    </message>
    <message>
        <source>Error: The bank information is incorrect.</source>
        <translation>Erro: as informações do banco estão incorretas.</translation>
    </message>
    <message>
        <source>Fatal Error: 102
Null pointer exception!</source>
        <translation>Erro fatal: 102
Exceção de ponteiro nulo!</translation>
    </message>
    <message>
        <source>Add Private Group</source>
        <translation>Adicionar grupo privado</translation>
    </message>
    <message>
        <source>This contact already belongs to 5 Private Groups. Please remove it from a group first, before adding to another Private Group.</source>
        <translation>Este contato já pertence a 5 grupos privados. Remova-o primeiro de um grupo antes de adicioná-lo a outro grupo privado.</translation>
    </message>
    <message>
        <source> (%d Group(s) Left)</source>
        <translation> (%d grupo(s) restante(s))</translation>
    </message>
    <message>
        <source>No available private contacts in the new channel. The channel will be reverted back to the previous value.</source>
        <translation>Não há contatos privados disponíveis no novo canal. O canal voltará ao valor anterior.</translation>
    </message>
    <message>
        <source>Add Privates</source>
        <translation>Adicionar privados</translation>
    </message>
    <message>
        <source>Add Privates with a Scanner</source>
        <translation>Adicionar privados com leitor</translation>
    </message>
    <message>
        <source>Ringer %d</source>
        <translation>Campainha %d</translation>
    </message>
    <message>
        <source>Enable Private Scroll List</source>
        <translation>Ativar lista de rolagem privada</translation>
    </message>
    <message>
        <source>Available Contacts</source>
        <translation>Contatos disponíveis</translation>
    </message>
    <message>
        <source>Scan List Channel %d</source>
        <translation>Lista de varredura do canal %d</translation>
    </message>
    <message>
        <source>Reached maximum number of contacts in this channel.</source>
        <translation>Número máximo de contatos neste canal atingido.</translation>
    </message>
    <message>
        <source>Cannot add more than %d amount of contacts to the scan list.</source>
        <translation>Não é possível adicionar mais de %d contatos à lista de varredura.</translation>
    </message>
    <message>
        <source>Maximum Contacts:</source>
        <translation>Máximo de contatos:</translation>
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
        <translation>Número atual de contatos:</translation>
    </message>
    <message>
        <source>Current Number of Private Groups:</source>
        <translation>Número atual de grupos privados:</translation>
    </message>
    <message>
        <source>Current Number of Public Groups:</source>
        <translation>Número atual de grupos públicos:</translation>
    </message>
    <message>
        <source>Current Number of Privates:</source>
        <translation>Número atual de privados:</translation>
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
        <translation>Luz de fundo</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Clock/Alarm</source>
        <translation>Relógio/Alarme</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formato da hora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Set Time Using PC Clock</source>
        <translation>Acertar hora pelo relógio do PC</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora do alarme</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Alto-falante</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Earpiece</source>
        <translation>Fone de ouvido</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Manager Mode on for</source>
        <translation>Modo gerente ativado para</translation>
    </message>
    <message>
        <source>See All Groups on for</source>
        <translation>Ver todos os grupos ativado para</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Senha do codeplug (número de 4 dígitos)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Confirmar senha (número de 4 dígitos)</translation>
    </message>
    <message>
        <source>Talk Permit Tone Offset</source>
        <translation>Ajuste do tom de permissão</translation>
    </message>
    <message>
        <source>Ambient Noise</source>
        <translation>Ruído ambiente</translation>
    </message>
    <message>
        <source>Accessory</source>
        <translation>Acessório</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Disable Internal PTT with Accessory</source>
        <translation>Desativar PTT interno com acessório</translation>
    </message>
    <message>
        <source>Disable Programming Mode</source>
        <translation>Desativar modo de programação</translation>
    </message>
    <message>
        <source>Disable TX Timeout Timer</source>
        <translation>Desativar limite de tempo de TX</translation>
    </message>
    <message>
        <source>Tx Timeout Timer</source>
        <translation>Limite de tempo de TX</translation>
    </message>
    <message>
        <source>Disable Private Reply</source>
        <translation>Desativar resposta privada</translation>
    </message>
    <message>
        <source>Note: Contacts added to the Manager Mode list are automatically added to the See All Groups list.</source>
        <translation>Observação: os contatos adicionados à lista do Modo gerente são adicionados automaticamente à lista Ver todos os grupos.</translation>
    </message>
    <message>
        <source>12hr</source>
        <translation>12h</translation>
    </message>
    <message>
        <source>24hr</source>
        <translation>24h</translation>
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
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Maximum Text Messages:</source>
        <translation>Máximo de mensagens de texto:</translation>
    </message>
    <message>
        <source>Current Number of Text Messages:</source>
        <translation>Número atual de mensagens de texto:</translation>
    </message>
    <message>
        <source>Add Text Message</source>
        <translation>Adicionar mensagem de texto</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Mensagem de texto</translation>
    </message>
    <message>
        <source>Delete Current Message</source>
        <translation>Excluir mensagem atual</translation>
    </message>
    <message>
        <source>Add New Message</source>
        <translation>Adicionar nova mensagem</translation>
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
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>This is a backup of the radio %s, not of the connected radio %s.</source>
        <translation>Este é um backup do rádio %s, não do rádio conectado %s.</translation>
    </message>
    <message>
        <source>Do you want to write the backup of the radio %s into the radio %s?</source>
        <translation>Deseja gravar o backup do rádio %s no rádio %s?</translation>
    </message>
    <message>
        <source>Writing it changes the radio as follows:

%s</source>
        <translation>A gravação altera o rádio da seguinte forma:

%s</translation>
    </message>
    <message>
        <source>Writing it changes nothing in the radio.</source>
        <translation>A gravação não altera nada no rádio.</translation>
    </message>
    <message>
        <source>Radio
Name
Model
Date
Time
Backup</source>
        <translation>Rádio
Nome
Modelo
Data
Hora
Backup</translation>
    </message>
    <message>
        <source>Backup %s %s</source>
        <translation>Backup %s %s</translation>
    </message>
    <message>
        <source>The radio holds what it held when the backup %s was taken: that backup stays its backup.</source>
        <translation>O rádio contém o mesmo que continha quando o backup %s foi feito: esse backup continua sendo o seu backup.</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Encaminhamento de chamadas</translation>
    </message>
    <message>
        <source>Call Forward ID</source>
        <translation>ID de encaminhamento de chamadas</translation>
    </message>
    <message>
        <source>Radio Disabled</source>
        <translation>Rádio desativado</translation>
    </message>
    <message>
        <source>%s: %s is also the PID of %s; the radio tells contacts of one type apart by their PID</source>
        <translation>%s: %s também é o PID de %s; o rádio distingue os contatos de um mesmo tipo pelo PID</translation>
    </message>
    <message>
        <source>Error: The radio&apos;s replies arrive garbled, even after repeated attempts. Check the programming cable: a damaged or too long cable, a loose plug or electrical noise nearby can cause this.</source>
        <translation>Erro: as respostas do rádio chegam corrompidas, mesmo após várias tentativas. Verifique o cabo de programação: um cabo danificado ou longo demais, um conector frouxo ou interferência elétrica próxima podem causar isso.</translation>
    </message>
    <message>
        <source>Error: The chosen port is not a serial port (its path is not a terminal device). Choose the programming cable&apos;s port.</source>
        <translation>Erro: a porta escolhida não é uma porta serial (seu caminho não é um dispositivo de terminal). Escolha a porta do cabo de programação.</translation>
    </message>
    <message>
        <source>A different radio is connected: the profile was written into the radio %s (firmware %s), but the radio that answered the check is %s (firmware %s). The write was not checked.</source>
        <translation>Há outro rádio conectado: o perfil foi gravado no rádio %s (firmware %s), mas o rádio que respondeu à verificação é %s (firmware %s). A gravação não foi verificada.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Yes: write the profile again.
No: write the backup taken before the write back into the radio:
%s
Cancel: leave the radio as it is.</source>
        <translation>O rádio não contém o que foi gravado:

%s

Sim: gravar o perfil novamente.
Não: gravar de volta no rádio o backup feito antes da gravação:
%s
Cancelar: deixar o rádio como está.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:

%s

Do you want to write the profile again?</source>
        <translation>O rádio não contém o que foi gravado:

%s

Deseja gravar o perfil novamente?</translation>
    </message>
    <message>
        <source>The radio still does not hold what was written:

%s

Do you want to write the backup taken before the write back into the radio?
%s</source>
        <translation>O rádio ainda não contém o que foi gravado:

%s

Deseja gravar de volta no rádio o backup feito antes da gravação?
%s</translation>
    </message>
    <message>
        <source>The backup could not be written back, so the radio holds part of a profile. Restore it later, once the radio answers again, with Device &gt; Restore Backup... or zqvcps-cli restore, from:
%s</source>
        <translation>Não foi possível gravar o backup de volta, portanto o rádio contém apenas parte de um perfil. Restaure-o mais tarde, quando o rádio voltar a responder, com Dispositivo &gt; Restaurar backup... ou zqvcps-cli restore, a partir de:
%s</translation>
    </message>
    <message>
        <source>Private ID: %s</source>
        <translation>ID privado: %s</translation>
    </message>
    <message>
        <source>The radio was reset.</source>
        <translation>O rádio foi reiniciado.</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Desfazer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o	Ctrl+Y</source>
        <translation>Re&amp;fazer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Re&amp;verter para a versão salva</translation>
    </message>
    <message>
        <source>Take back the last change to the profile
Undo</source>
        <translation>Desfazer a última alteração do perfil
Desfazer</translation>
    </message>
    <message>
        <source>Make the change taken back last again
Redo</source>
        <translation>Refazer a última alteração desfeita
Refazer</translation>
    </message>
    <message>
        <source>Go back to the profile as it was last saved
Revert</source>
        <translation>Voltar ao perfil como foi salvo pela última vez
Reverter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>&amp;Undo %s	Ctrl+Z</source>
        <translation>&amp;Desfazer %s	Ctrl+Z</translation>
    </message>
    <message>
        <source>Red&amp;o %s	Ctrl+Y</source>
        <translation>Re&amp;fazer %s	Ctrl+Y</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Change &apos;%s&apos;</source>
        <translation>Alterar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add &apos;%s&apos;</source>
        <translation>Adicionar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Delete &apos;%s&apos;</source>
        <translation>Excluir &apos;%s&apos;</translation>
    </message>
    <message>
        <source>All Contacts</source>
        <translation>Todos os contatos</translation>
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
        <translation>Nome ou ID</translation>
    </message>
    <message>
        <source>&amp;Change selected:</source>
        <translation>&amp;Alterar seleção:</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Adi&amp;cionar</translation>
    </message>
    <message>
        <source>Add to Private Group</source>
        <translation>Adicionar ao grupo privado</translation>
    </message>
    <message>
        <source>Remove from Private Group</source>
        <translation>Remover do grupo privado</translation>
    </message>
    <message>
        <source>Delete %d contacts?
Private contacts leave their private groups, and groups left without members are deleted.</source>
        <translation>Excluir %d contatos?
Contatos privados saem de seus grupos privados, e grupos que ficarem sem membros são excluídos.</translation>
    </message>
    <message>
        <source>%d of %d contacts were left unchanged:</source>
        <translation>%d de %d contatos não foram alterados:</translation>
    </message>
    <message>
        <source>This does not apply to this kind of contact.</source>
        <translation>Isto não se aplica a este tipo de contato.</translation>
    </message>
    <message>
        <source>Left unchanged: the question was declined.</source>
        <translation>Não alterado: a pergunta foi recusada.</translation>
    </message>
    <message>
        <source>This concerns %d of the selected contacts:

%s</source>
        <translation>Isto afeta %d dos contatos selecionados:

%s</translation>
    </message>
    <message>
        <source>Set channel %d on %d contacts</source>
        <translation>Definir canal %d em %d contatos</translation>
    </message>
    <message>
        <source>Set ringer %d on %d contacts</source>
        <translation>Definir toque %d em %d contatos</translation>
    </message>
    <message>
        <source>Set %s to &apos;%s&apos; on %d contacts</source>
        <translation>Definir %s como &apos;%s&apos; em %d contatos</translation>
    </message>
    <message>
        <source>Add %d contacts to &apos;%s&apos;</source>
        <translation>Adicionar %d contatos a &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Remove %d contacts from &apos;%s&apos;</source>
        <translation>Remover %d contatos de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Delete %d contacts</source>
        <translation>Excluir %d contatos</translation>
    </message>
    <message>
        <source>Rename &apos;%s&apos; to &apos;%s&apos;</source>
        <translation>Renomear &apos;%s&apos; para &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add %s to &apos;%s&apos;</source>
        <translation>Adicionar %s a &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Remove %s from &apos;%s&apos;</source>
        <translation>Remover %s de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>%d contacts</source>
        <translation>%d contatos</translation>
    </message>
    <message>
        <source>Import &apos;%s&apos;</source>
        <translation>Importar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Merge &apos;%s&apos;</source>
        <translation>Mesclar &apos;%s&apos;</translation>
    </message>
    <message>
        <source>The changes to %s since it was last saved can no longer be undone one by one. Discard them all and read the profile again from its file?</source>
        <translation>As alterações em %s desde que foi salvo pela última vez não podem mais ser desfeitas uma a uma. Descartar todas e ler o perfil novamente do arquivo?</translation>
    </message>
    <message>
        <source>Change %s of &apos;%s&apos;</source>
        <translation>Alterar %s de &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Add %s</source>
        <translation>Adicionar %s</translation>
    </message>
    <message>
        <source>&amp;Contacts Table</source>
        <translation>&amp;Tabela de contatos</translation>
    </message>
    <message>
        <source>Show every contact of the profile in one table
Contacts Table</source>
        <translation>Mostrar todos os contatos do perfil em uma tabela
Tabela de contatos</translation>
    </message>
    <message>
        <source>Written and checked</source>
        <translation>Gravado e verificado</translation>
    </message>
    <message>
        <source>Written, not checked</source>
        <translation>Gravado, não verificado</translation>
    </message>
    <message>
        <source>Check found differences</source>
        <translation>A verificação encontrou diferenças</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Ordem de serviço</translation>
    </message>
    <message>
        <source>Customer: %s</source>
        <translation>Cliente: %s</translation>
    </message>
    <message>
        <source>Printed: %s</source>
        <translation>Impressa em: %s</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>O que mudou</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nada mudou</translation>
    </message>
    <message>
        <source>Not recorded (no backup was taken)</source>
        <translation>Não registrado (nenhum backup foi feito)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Histórico...</translation>
    </message>
    <message>
        <source>List the writes into radios and print a job sheet
Write History</source>
        <translation>Lista as gravações nos rádios e imprime uma ordem de serviço
Histórico de gravações</translation>
    </message>
    <message>
        <source>Com&amp;pare with Radio...</source>
        <translation>Co&amp;mparar com o rádio...</translation>
    </message>
    <message>
        <source>Show what writing the active profile would change in the radio
Compare with Radio</source>
        <translation>Mostra o que a gravação do perfil ativo mudaria no rádio
Comparar com o rádio</translation>
    </message>
    <message>
        <source>Write History</source>
        <translation>Histórico de gravações</translation>
    </message>
    <message>
        <source>&amp;Radio (ID or name):</source>
        <translation>&amp;Rádio (ID ou nome):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>R&amp;esult:</source>
        <translation>Res&amp;ultado:</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Todos os resultados</translation>
    </message>
    <message>
        <source>Unit ID</source>
        <translation>ID da unidade</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>&amp;Print Job Sheet...</source>
        <translation>&amp;Imprimir ordem de serviço...</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>The write history %s cannot be opened:
%s</source>
        <translation>Não é possível abrir o histórico de gravações %s:
%s</translation>
    </message>
    <message>
        <source>%s writes shown</source>
        <translation>%s gravações exibidas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The job sheet could not be saved as %s:
%s</source>
        <translation>Não foi possível salvar a ordem de serviço como %s:
%s</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Comparar com o rádio</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>No rádio</translation>
    </message>
    <message>
        <source>In the profile</source>
        <translation>No perfil</translation>
    </message>
    <message>
        <source>The radio %s already holds this profile: writing it would change nothing.</source>
        <translation>O rádio %s já contém este perfil: gravá-lo não mudaria nada.</translation>
    </message>
    <message>
        <source>Writing %s into the radio %s would change %s items:</source>
        <translation>Gravar %s no rádio %s mudaria %s itens:</translation>
    </message>
    <message>
        <source>(not there)</source>
        <translation>(não existe)</translation>
    </message>
    <message>
        <source>(there)</source>
        <translation>(existe)</translation>
    </message>
    <message>
        <source>The port exists</source>
        <translation>A porta existe</translation>
    </message>
    <message>
        <source>This user may open the port</source>
        <translation>Este usuário pode abrir a porta</translation>
    </message>
    <message>
        <source>No other program holds the port</source>
        <translation>Nenhum outro programa ocupa a porta</translation>
    </message>
    <message>
        <source>The radio answers</source>
        <translation>O rádio responde</translation>
    </message>
    <message>
        <source>The replies are well-formed</source>
        <translation>As respostas estão corretas</translation>
    </message>
    <message>
        <source>The model and setting group are supported</source>
        <translation>O modelo e o grupo de configurações são suportados</translation>
    </message>
    <message>
        <source>[passed] %s</source>
        <translation>[ok] %s</translation>
    </message>
    <message>
        <source>[FAILED] %s</source>
        <translation>[FALHOU] %s</translation>
    </message>
    <message>
        <source>No port is chosen and no serial port is present. Plug in the programming cable, then choose its port with Device &gt; Find Cable.</source>
        <translation>Nenhuma porta foi escolhida e nenhuma porta serial está presente. Conecte o cabo de programação e escolha a porta dele com Dispositivo &gt; Localizar cabo.</translation>
    </message>
    <message>
        <source>The port %s does not exist. Plug in the programming cable, or choose the port it uses with Device &gt; Find Cable.</source>
        <translation>A porta %s não existe. Conecte o cabo de programação ou escolha a porta que ele usa com Dispositivo &gt; Localizar cabo.</translation>
    </message>
    <message>
        <source>You may not open %s: the port belongs to the group "%s".</source>
        <translation>Você não pode abrir %s: a porta pertence ao grupo "%s".</translation>
    </message>
    <message>
        <source>You are not a member of that group. Add yourself with this command, then log out and log in again:
%s</source>
        <translation>Você não é membro desse grupo. Adicione-se com este comando e depois saia da sessão e entre novamente:
%s</translation>
    </message>
    <message>
        <source>You are a member of that group, but this session started before you were added: log out and log in again.</source>
        <translation>Você é membro desse grupo, mas esta sessão começou antes de você ser adicionado: saia da sessão e entre novamente.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is installed (%s): unplug the programming cable and plug it in again so that the rule applies to it.</source>
        <translation>A regra de acesso do cabo de programação está instalada (%s): desconecte o cabo de programação e conecte-o novamente para que a regra seja aplicada.</translation>
    </message>
    <message>
        <source>The programming cable's access rule is not installed; installing the program's package installs it.</source>
        <translation>A regra de acesso do cabo de programação não está instalada; o pacote do programa a instala.</translation>
    </message>
    <message>
        <source>Another program holds %s open: %s. Close that program, then try again.</source>
        <translation>Outro programa mantém %s aberta: %s. Feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>Another program holds %s, and the system does not say which. Close the programs that use serial ports, then try again.</source>
        <translation>Outro programa ocupa %s, e o sistema não diz qual. Feche os programas que usam portas seriais e tente novamente.</translation>
    </message>
    <message>
        <source>%s (process ID %s)</source>
        <translation>%s (ID do processo %s)</translation>
    </message>
    <message>
        <source>The radio does not answer on %s. Check that the radio is switched on, that the cable is pushed fully into the radio's programming socket, and that it is the programming cable for this radio.</source>
        <translation>O rádio não responde em %s. Verifique se o rádio está ligado, se o cabo está totalmente encaixado no conector de programação do rádio e se é o cabo de programação deste rádio.</translation>
    </message>
    <message>
        <source>The radio answers on %s, but its replies arrive garbled. The cable is damaged or too long, or a plug is loose: try another programming cable, without an extension lead.</source>
        <translation>O rádio responde em %s, mas as respostas chegam corrompidas. O cabo está danificado ou é longo demais, ou um conector está frouxo: tente outro cabo de programação, sem extensão.</translation>
    </message>
    <message>
        <source>The radio has firmware %s, which this version of the program does not support. Ask your supplier for a version that supports it.</source>
        <translation>O rádio tem o firmware %s, que esta versão do programa não suporta. Peça ao seu fornecedor uma versão que o suporte.</translation>
    </message>
    <message>
        <source>The radio (model %s) is not one this program programs. Check that it belongs to this family of radios.</source>
        <translation>O rádio (modelo %s) não é um dos que este programa programa. Verifique se ele pertence a esta família de rádios.</translation>
    </message>
    <message>
        <source>Every check passed: the radio on %s answers (model %s, firmware %s, setting group %s).</source>
        <translation>Todas as verificações passaram: o rádio em %s responde (modelo %s, firmware %s, grupo de configurações %s).</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>&amp;Testar conexão...</translation>
    </message>
    <message>
        <source>To find out why, run: zqvcps-cli doctor --port %s</source>
        <translation>Para descobrir o motivo, execute: zqvcps-cli doctor --port %s</translation>
    </message>
    <message>
        <source>Unplug the programming cable, then plug it in again. The port that goes and comes back is the cable's.</source>
        <translation>Desconecte o cabo de programação e conecte-o novamente. A porta que some e volta é a do cabo.</translation>
    </message>
    <message>
        <source>Port|USB product|Vendor:product|Serial number|Programming cable|Held open by</source>
        <translation>Porta|Produto USB|Fabricante:produto|Número de série|Cabo de programação|Aberta por</translation>
    </message>
    <message>
        <source>%s went away.</source>
        <translation>%s sumiu.</translation>
    </message>
    <message>
        <source>%s came back: it is the cable's port.</source>
        <translation>%s voltou: é a porta do cabo.</translation>
    </message>
    <message>
        <source>&amp;Use This Port</source>
        <translation>&amp;Usar esta porta</translation>
    </message>
    <message>
        <source>From now on the program uses the port %s.</source>
        <translation>A partir de agora o programa usa a porta %s.</translation>
    </message>
    <message>
        <source>The support bundle is one zip file with:
- the link traces of the last transfers;
- the program's version;
- the system: distribution, Qt and libxml2 versions;
- the configuration, without the dealer texts and the recent files;
- the last result of Test Connection;
- the open profile's model, firmware and counts.</source>
        <translation>O pacote de suporte é um arquivo zip com:
- os registros do link das últimas transferências;
- a versão do programa;
- o sistema: distribuição, versões do Qt e da libxml2;
- a configuração, sem os textos do revendedor e os arquivos recentes;
- o último resultado de Testar conexão;
- o modelo, o firmware e as contagens do perfil aberto.</translation>
    </message>
    <message>
        <source>Names, IDs and the codeplug password are left out: each frame of a trace keeps only its first four bytes.</source>
        <translation>Nomes, IDs e a senha do codeplug ficam de fora: cada quadro de um registro mantém apenas os seus quatro primeiros bytes.</translation>
    </message>
    <message>
        <source>&amp;Include names and IDs: the profile's contacts and the traces' whole frames (which also carry the codeplug password)</source>
        <translation>&amp;Incluir nomes e IDs: os contatos do perfil e os quadros completos dos registros (que também contêm a senha do codeplug)</translation>
    </message>
    <message>
        <source>The support bundle was saved as %s.</source>
        <translation>O pacote de suporte foi salvo como %s.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved as %s: %s</source>
        <translation>Não foi possível salvar o pacote de suporte como %s: %s</translation>
    </message>
    <message>
        <source>the zip file could not be made</source>
        <translation>não foi possível criar o arquivo zip</translation>
    </message>
    <message>
        <source>No link trace has been kept yet. Each transfer keeps one while "Keep a trace of each transfer" is ticked in Preference.</source>
        <translation>Nenhum registro do link foi guardado ainda. Cada transferência guarda um enquanto "Guardar um registro de cada transferência" estiver marcado em Preferências.</translation>
    </message>
    <message>
        <source>&amp;Keep a trace of each transfer (the last 10, in the cache folder)</source>
        <translation>&amp;Guardar um registro de cada transferência (os 10 últimos, na pasta de cache)</translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation>Locali&amp;zar cabo...</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>&amp;Testar conexão...</translation>
    </message>
    <message>
        <source>Open Last Link &amp;Trace</source>
        <translation>Abrir o último &amp;registro do link</translation>
    </message>
    <message>
        <source>Save Support B&amp;undle...</source>
        <translation>Salvar pacote de s&amp;uporte...</translation>
    </message>
    <message>
        <source>List the serial ports and find the programming cable's port
Find Cable</source>
        <translation>Listar as portas seriais e encontrar a porta do cabo de programação
Localizar cabo</translation>
    </message>
    <message>
        <source>Check the cable, the port and the radio one step after the other
Test Connection</source>
        <translation>Verificar o cabo, a porta e o rádio passo a passo
Testar conexão</translation>
    </message>
    <message>
        <source>Show the frames of the last transfer
Last Link Trace</source>
        <translation>Mostrar os quadros da última transferência
Último registro do link</translation>
    </message>
    <message>
        <source>Save one zip file to send in when a radio will not talk to the program
Save Support Bundle</source>
        <translation>Salvar um arquivo zip para enviar quando um rádio não se comunica com o programa
Salvar pacote de suporte</translation>
    </message>
    <message>
        <source>Use %s for the radio from now on?</source>
        <translation>Usar %s para o rádio a partir de agora?</translation>
    </message>
    <message>
        <source>%s; left out: %s</source>
        <translation>%s; deixado de fora: %s</translation>
    </message>
    <message>
        <source>This radio model has no &quot;%s&quot;.</source>
        <translation>Este modelo de rádio não tem &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>%s

This profile could not take everything that was pasted:
%s</source>
        <translation>%s

Este perfil não pôde aceitar tudo o que foi colado:
%s</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>... and %s more.</source>
        <translation>... e mais %s.</translation>
    </message>
    <message>
        <source>Private group &quot;%s&quot; has no members</source>
        <translation>O grupo privado &quot;%s&quot; não tem membros</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is in no private group</source>
        <translation>O contato privado &quot;%s&quot; não pertence a nenhum grupo privado</translation>
    </message>
    <message>
        <source>The scan list of channel %s holds %s public groups, the most it can hold is %s</source>
        <translation>A lista de varredura do canal %s contém %s grupos públicos; o máximo que ela aceita é %s</translation>
    </message>
    <message>
        <source>Private contact &quot;%s&quot; is on channel %s, but its home group &quot;%s&quot; is on channel %s</source>
        <translation>O contato privado &quot;%s&quot; está no canal %s, mas seu grupo principal &quot;%s&quot; está no canal %s</translation>
    </message>
    <message>
        <source>&quot;%s&quot; has the same name as &quot;%s&quot; but for case or accents, so lists cannot tell them apart</source>
        <translation>&quot;%s&quot; tem o mesmo nome que &quot;%s&quot;, exceto por maiúsculas ou acentos, então as listas não conseguem distingui-los</translation>
    </message>
    <message>
        <source>This profile has problems you should look at (the Problems panel lists them):

%s

Do you want to write the radio anyway?</source>
        <translation>Este perfil tem problemas que você deve verificar (o painel Problemas os lista):

%s

Deseja gravar o rádio mesmo assim?</translation>
    </message>
    <message>
        <source>Problems (%s)</source>
        <translation>Problemas (%s)</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Nenhum problema encontrado.</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problemas</translation>
    </message>
    <message>
        <source>Show or hide the problems of the profile below the form
Problems</source>
        <translation>Mostra ou oculta os problemas do perfil abaixo do formulário
Problemas</translation>
    </message>
    <message>
        <source>&amp;Filter Tree	Ctrl+F</source>
        <translation>&amp;Filtrar árvore	Ctrl+F</translation>
    </message>
    <message>
        <source>Show only the tree nodes whose name or PID holds a text
Filter Tree</source>
        <translation>Mostra só os nós da árvore cujo nome ou PID contém um texto
Filtrar árvore</translation>
    </message>
    <message>
        <source>Filter by name or PID</source>
        <translation>Filtrar por nome ou PID</translation>
    </message>
    <message>
        <source>Note: %s</source>
        <translation>Observação: %s</translation>
    </message>
    <message>
        <source>Profile tree</source>
        <translation>Árvore do perfil</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Difere</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Recusado</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>Not written: the radio's own ID %s is in no private contact of the profile.</source>
        <translation>Não gravado: o ID próprio %s do rádio não está em nenhum contato privado do perfil.</translation>
    </message>
    <message>
        <source>Not written: the run was not confirmed.</source>
        <translation>Não gravado: a execução não foi confirmada.</translation>
    </message>
    <message>
        <source>Stopped before it ended.</source>
        <translation>Interrompido antes de terminar.</translation>
    </message>
    <message>
        <source>The radio has setting group %s, older than the profile's (%s): what it lacks is left out.</source>
        <translation>O rádio tem o grupo de configurações %s, mais antigo que o do perfil (%s): o que lhe falta é omitido.</translation>
    </message>
    <message>
        <source>Holds what the profile gives it.</source>
        <translation>Contém o que o perfil lhe dá.</translation>
    </message>
    <message>
        <source>%s differences</source>
        <translation>%s diferenças</translation>
    </message>
    <message>
        <source>Saved as %s</source>
        <translation>Salvo como %s</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>The backup was written back into the radio.</source>
        <translation>O backup foi gravado de volta no rádio.</translation>
    </message>
    <message>
        <source>Write the profile into these %s radios?</source>
        <translation>Gravar o perfil nestes %s rádios?</translation>
    </message>
    <message>
        <source>No radio to work on: no programming cable is connected.</source>
        <translation>Nenhum rádio para trabalhar: nenhum cabo de programação está conectado.</translation>
    </message>
    <message>
        <source>Context &amp;Help	F1</source>
        <translation>A&amp;juda contextual	F1</translation>
    </message>
    <message>
        <source>Open the help at the topic of the field or list that has the focus
Context Help</source>
        <translation>Abre a ajuda no tópico do campo ou da lista que tem o foco
Ajuda contextual</translation>
    </message>
    <message>
        <source>%s s left</source>
        <translation>Faltam %s s</translation>
    </message>
    <message>
        <source>%s min %s s left</source>
        <translation>Faltam %s min %s s</translation>
    </message>
    <message>
        <source>Writing %s changes these radios. Each radio is backed up before the write and checked after it.</source>
        <translation>Gravar %s altera estes rádios. Cada rádio recebe um backup antes da gravação e é verificado depois.</translation>
    </message>
    <message>
        <source>%s changes</source>
        <translation>%s alterações</translation>
    </message>
    <message>
        <source>Nothing changes</source>
        <translation>Nenhuma alteração</translation>
    </message>
    <message>
        <source>Waiting for the confirmation</source>
        <translation>Aguardando a confirmação</translation>
    </message>
    <message>
        <source>Add %s radios as contacts</source>
        <translation>Adicionar %s rádios como contatos</translation>
    </message>
    <message>
        <source>The radio on %s (unit ID %s) asks for its codeplug password. The radios that follow are tried with the same password first.</source>
        <translation>O rádio em %s (ID da unidade %s) pede a senha do codeplug. Os rádios seguintes são tentados primeiro com a mesma senha.</translation>
    </message>
    <message>
        <source>The run table could not be saved as %s:
%s</source>
        <translation>Não foi possível salvar a tabela da execução como %s:
%s</translation>
    </message>
    <message>
        <source>%s radios</source>
        <translation>%s rádios</translation>
    </message>
    <message>
        <source>Fleet Run</source>
        <translation>Execução em frota</translation>
    </message>
    <message>
        <source>No programming cable found. Plug in the cables: each one shows here as a row.</source>
        <translation>Nenhum cabo de programação encontrado. Conecte os cabos: cada um aparece aqui como uma linha.</translation>
    </message>
    <message>
        <source>Open a profile to check or write radios.</source>
        <translation>Abra um perfil para verificar ou gravar rádios.</translation>
    </message>
    <message>
        <source>&amp;Fleet...</source>
        <translation>&amp;Frota...</translation>
    </message>
    <message>
        <source>Read, check or write many radios at once, one per cable
Fleet</source>
        <translation>Ler, verificar ou gravar muitos rádios de uma vez, um por cabo
Frota</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Frota</translation>
    </message>
    <message>
        <source>Port|Unit ID|Name|Firmware|Group|Progress|Time left|Status</source>
        <translation>Porta|ID da unidade|Nome|Firmware|Grupo|Progresso|Tempo restante|Status</translation>
    </message>
    <message>
        <source>&amp;Read All</source>
        <translation>&amp;Ler todos</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Verificar todos</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>&amp;Gravar todos</translation>
    </message>
    <message>
        <source>&amp;Read Selected</source>
        <translation>&amp;Ler selecionados</translation>
    </message>
    <message>
        <source>&amp;Check Selected</source>
        <translation>&amp;Verificar selecionados</translation>
    </message>
    <message>
        <source>&amp;Write Selected</source>
        <translation>&amp;Gravar selecionados</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Add to Profile</source>
        <translation>&amp;Adicionar ao perfil</translation>
    </message>
    <message>
        <source>Read &amp;into:</source>
        <translation>Ler &amp;em:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pro&amp;curar...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as CSV...</source>
        <translation>&amp;Salvar como CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Last run:</source>
        <translation>Última execução:</translation>
    </message>
    <message>
        <source>Choose the folder the radios are read into</source>
        <translation>Escolha a pasta em que os rádios são lidos</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>&amp;Aparência:</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Seguir a área de trabalho</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escura</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
</context>
</TS>
