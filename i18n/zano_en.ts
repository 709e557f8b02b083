<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name></name>
    <message id="Desativado">
        <source></source>
        <translation>Disabled</translation>
    </message>
    <message id="Ativado">
        <source></source>
        <translation>Enabled</translation>
    </message>
    <message id="Reset de Memória">
        <source></source>
        <translation>Memory Reset</translation>
    </message>
    <message id="Emulador">
        <source></source>
        <translation>Emulator</translation>
    </message>
    <message id="Descendente">
        <source></source>
        <translation>Descending</translation>
    </message>
    <message id="Ascendente">
        <source></source>
        <translation>Ascending</translation>
    </message>
    <message id="Padrão">
        <source></source>
        <translation>Standard</translation>
    </message>
    <message id="Especifico">
        <source></source>
        <translation>Specific</translation>
    </message>
    <message id="Aberto">
        <source></source>
        <translation>Open</translation>
    </message>
    <message id="Real">
        <source></source>
        <translation>Real</translation>
    </message>
    <message id="Tacômetro">
        <source></source>
        <translation>Tachometer</translation>
    </message>
    <message id="Conversor de texto Windows-1252 indisponível: os arquivos não podem ser lidos.">
        <source></source>
        <translation>Windows-1252 text converter unavailable: files cannot be read.</translation>
    </message>
    <message id=" Já existe um aplicativo aberto ">
        <source></source>
        <translation> The program is already open </translation>
    </message>
    <message id="Nenhuma porta serial encontrada neste computador.&#10;&#10;Deseja usar o Simulador de ECU (demonstração)? Os valores mostrados não serão de um carro.&#10;&#10;Responda Não para ligar o cabo agora: se a leitura falhar, a tela Define Porta COM mostra as portas encontradas.">
        <source></source>
        <translation>No serial port found on this computer.

Use the ECU Simulator (demo)? The values shown will not come from a car.

Answer No to connect the cable now: if reading fails, the Set COM Port screen shows the ports found.</translation>
    </message>
    <message id="Simulador de ECU">
        <source></source>
        <translation>ECU Simulator</translation>
    </message>
    <message id="Simulador de ECU (demonstração)">
        <source></source>
        <translation>ECU Simulator (demo)</translation>
    </message>
    <message id="Conexão com a ECU perdida — reconectando…">
        <source></source>
        <translation>ECU link lost — reconnecting…</translation>
    </message>
    <message id="Reconectado">
        <source></source>
        <translation>Reconnected</translation>
    </message>
    <message id="Abrir registros...">
        <source></source>
        <translation>Open logs...</translation>
    </message>
    <message id="SIMULADOR DE ECU (demonstração)">
        <source></source>
        <translation>ECU SIMULATOR (demo)</translation>
    </message>
    <message id="Selecione o Idioma">
        <source></source>
        <translation>Select Language</translation>
    </message>
    <message id="Seleção de Idioma">
        <source></source>
        <translation>Language Selection</translation>
    </message>
    <message id="Tela de Dados">
        <source></source>
        <translation>Data Screen</translation>
    </message>
    <message id="Retornar">
        <source></source>
        <translation>Back</translation>
    </message>
    <message id="Próximo">
        <source></source>
        <translation>Next</translation>
    </message>
    <message id="Sair">
        <source></source>
        <translation>Exit</translation>
    </message>
    <message id="Modelo do Equipamento">
        <source></source>
        <translation>Equipment Model</translation>
    </message>
    <message id="Define Porta COM">
        <source></source>
        <translation>Set COM Port</translation>
    </message>
    <message id="Procurar portas de novo">
        <source></source>
        <translation>Search ports again</translation>
    </message>
    <message id="Registro de comunicação (*.txt)|*.txt|">
        <source></source>
        <translation>Communication log (*.txt)|*.txt|</translation>
    </message>
    <message id="Não foi possível gravar o registro de comunicação.&#10;&#10;%1">
        <source></source>
        <translation>Could not write the communication log.

%1</translation>
    </message>
    <message id="Registro de comunicação gravado em&#10;%1">
        <source></source>
        <translation>Communication log saved to
%1</translation>
    </message>
    <message id="Exportar registro de comunicação">
        <source></source>
        <translation>Export communication log</translation>
    </message>
    <message id="%1: %2 (arquivo não encontrado ou sem leitura)">
        <source></source>
        <translation>%1: %2 (file not found or not readable)</translation>
    </message>
    <message id="%1: arquivo binário, não é um arquivo de configuração">
        <source></source>
        <translation>%1: binary file, not a configuration file</translation>
    </message>
    <message id="%1: sem a seção de registros CONFIG_Q5100 ou CONFIG_Q7100">
        <source></source>
        <translation>%1: no CONFIG_Q5100 or CONFIG_Q7100 register section</translation>
    </message>
    <message id="%1: tem as seções CONFIG_Q5100 e CONFIG_Q7100">
        <source></source>
        <translation>%1: has both CONFIG_Q5100 and CONFIG_Q7100 sections</translation>
    </message>
    <message id="%1: arquivo de outro modelo (%2), não de %3">
        <source></source>
        <translation>%1: file of another model (%2), not %3</translation>
    </message>
    <message id="%1: %2 (%3: falta o registro %4)">
        <source></source>
        <translation>%1: %2 (%3: register %4 missing)</translation>
    </message>
    <message id="Ocorreu um erro na tentativa de Carregar o Arquivo.">
        <source></source>
        <translation>An error occurred while trying to load the file.</translation>
    </message>
    <message id="Leitura incompleta">
        <source></source>
        <translation>Incomplete read</translation>
    </message>
    <message id="%1: ecu: sem porta precisa de --port COMn ou --simulator MODEL">
        <source></source>
        <translation>%1: ecu: without a port needs --port COMn or --simulator MODEL</translation>
    </message>
    <message id="%1: porta inválida (ecu:COMn)">
        <source></source>
        <translation>%1: invalid port (ecu:COMn)</translation>
    </message>
    <message id="diff de duas ECUs precisa de --model">
        <source></source>
        <translation>diff of two ECUs needs --model</translation>
    </message>
    <message id="Iguais.">
        <source></source>
        <translation>Equal.</translation>
    </message>
    <message id="simulador">
        <source></source>
        <translation>simulator</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2 (se for um Q5100 plus, use --model q5100plus)">
        <source></source>
        <translation>the %1 ECU did not answer on %2 (for a Q5100 plus, use --model q5100plus)</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2">
        <source></source>
        <translation>the %1 ECU did not answer on %2</translation>
    </message>
    <message id="%1 ms  rpm %2  TPS %3 V  lambda %4 V  passos %5  injeção %6 ms">
        <source></source>
        <translation>%1 ms  rpm %2  TPS %3 V  lambda %4 V  steps %5  injection %6 ms</translation>
    </message>
    <message id="%1 linhas gravadas em %2">
        <source></source>
        <translation>%1 rows recorded in %2</translation>
    </message>
    <message id="Campo">
        <source></source>
        <translation>Field</translation>
    </message>
    <message id="Unidade">
        <source></source>
        <translation>Unit</translation>
    </message>
    <message id="Valor">
        <source></source>
        <translation>Value</translation>
    </message>
    <message id="registro %1">
        <source></source>
        <translation>register %1</translation>
    </message>
    <message id="%1: o arquivo já existe (--force para sobrescrever)">
        <source></source>
        <translation>%1: the file already exists (--force to overwrite)</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; o arquivo anterior não foi alterado">
        <source></source>
        <translation>%1: could not save the file; the previous file was not changed</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; nenhum arquivo foi criado">
        <source></source>
        <translation>%1: could not save the file; no file was created</translation>
    </message>
    <message id="Gravar estas alterações na ECU? [y/N] ">
        <source></source>
        <translation>Write these changes to the ECU? [y/N] </translation>
    </message>
    <message id="(nenhum)">
        <source></source>
        <translation>(none)</translation>
    </message>
    <message id="Sim">
        <source></source>
        <translation>Yes</translation>
    </message>
    <message id="nada foi gravado">
        <source></source>
        <translation>nothing was written</translation>
    </message>
    <message id="A ECU já tem os valores do arquivo.">
        <source></source>
        <translation>The ECU already holds the file&apos;s values.</translation>
    </message>
    <message id="Arquivo">
        <source></source>
        <translation>File</translation>
    </message>
    <message id="sem terminal para confirmar: use --yes; nada foi gravado">
        <source></source>
        <translation>no terminal to confirm: use --yes; nothing was written</translation>
    </message>
    <message id="gravação interrompida (Ctrl+C)">
        <source></source>
        <translation>write interrupted (Ctrl+C)</translation>
    </message>
    <message id="gravação interrompida: a ligação com a ECU caiu">
        <source></source>
        <translation>write interrupted: the link to the ECU was lost</translation>
    </message>
    <message id="Gravados:">
        <source></source>
        <translation>Written:</translation>
    </message>
    <message id="Não gravados:">
        <source></source>
        <translation>Not written:</translation>
    </message>
    <message id="a leitura de conferência falhou; confira a ECU com zano-cli diff">
        <source></source>
        <translation>the read-back failed; check the ECU with zano-cli diff</translation>
    </message>
    <message id="A ECU não ficou com estes valores do arquivo:">
        <source></source>
        <translation>The ECU did not keep these values of the file:</translation>
    </message>
    <message id="o registro %1 não é gravado por nenhuma página">
        <source></source>
        <translation>register %1 is written by no page</translation>
    </message>
    <message id="Gravado e conferido: %1 campo(s).">
        <source></source>
        <translation>Written and checked: %1 field(s).</translation>
    </message>
    <message id="Não foi possível gravar o arquivo %1">
        <source></source>
        <translation>Could not write the file %1</translation>
    </message>
    <message id="Erro na leitura dos parâmetros !!!">
        <source></source>
        <translation>Error reading the parameters !!!</translation>
    </message>
    <message id="não encontrada">
        <source></source>
        <translation>not found</translation>
    </message>
    <message id="ocupada: outro programa está usando a porta">
        <source></source>
        <translation>busy: another program is using the port</translation>
    </message>
    <message id="sem permissão: adicione o usuário ao grupo dialout">
        <source></source>
        <translation>no permission: add the user to the dialout group</translation>
    </message>
    <message id="não pode ser aberta">
        <source></source>
        <translation>cannot be opened</translation>
    </message>
    <message id="CRX4DATA ERROR">
        <source></source>
        <translation>CRX4DATA ERROR</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ESTRUTURA PRINCIPAL DA CLASSE CRX4DATA">
        <source></source>
        <translation>ERROR ALLOCATING MEMORY FOR THE MAIN STRUCTURE OF CLASS CRX4DATA</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE">
        <source></source>
        <translation>ERROR ALLOCATING MEMORY TO STORE A KEYWORD VALUE</translation>
    </message>
    <message id="ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO. REVEJA O TEMPLATE OU ALTERE A QUANTIDADE MAXIMA DE PALAVRAS CHAVES SUPORTADA">
        <source></source>
        <translation>ERROR MAXIMUM NUMBER OF KEYWORDS REACHED. REVIEW THE TEMPLATE OR CHANGE THE MAXIMUM NUMBER OF KEYWORDS SUPPORTED</translation>
    </message>
    <message id="A FUNCAO [FindValue] RETORNOU UM VALOR NAO PREVISTO POR FAVOR ENTRE EM CONTATO COM O SUPORTE TECNICO INFORMANDO ESSA OCORRENCIA">
        <source></source>
        <translation>THE FUNCTION [FindValue] RETURNED AN UNEXPECTED VALUE PLEASE CONTACT TECHNICAL SUPPORT AND REPORT THIS OCCURRENCE</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE DURANTE OPERACAO DE CLONAGEM">
        <source></source>
        <translation>ERROR ALLOCATING MEMORY TO STORE A KEYWORD VALUE DURING A CLONE OPERATION</translation>
    </message>
    <message id="Rotação">
        <source></source>
        <translation>Engine speed</translation>
    </message>
    <message id="Sonda lambda">
        <source></source>
        <translation>Lambda sensor</translation>
    </message>
    <message id="Atuador">
        <source></source>
        <translation>Actuator</translation>
    </message>
    <message id="Escala">
        <source></source>
        <translation>Scale</translation>
    </message>
    <message id="Injeção">
        <source></source>
        <translation>Injection</translation>
    </message>
    <message id="linha longa demais">
        <source></source>
        <translation>line too long</translation>
    </message>
    <message id="última linha cortada (sem fim de linha)">
        <source></source>
        <translation>last line cut off (no line end)</translation>
    </message>
    <message id="Arquivo vazio.">
        <source></source>
        <translation>Empty file.</translation>
    </message>
    <message id="Registro grande demais: só as primeiras %1 amostras foram lidas.">
        <source></source>
        <translation>Log too large: only the first %1 samples were read.</translation>
    </message>
    <message id="Nenhuma amostra legível no arquivo.">
        <source></source>
        <translation>No readable sample in the file.</translation>
    </message>
    <message id="%1 linha ilegível foi ignorada.">
        <source></source>
        <translation>%1 unreadable line was skipped.</translation>
    </message>
    <message id="%1 linhas ilegíveis foram ignoradas.">
        <source></source>
        <translation>%1 unreadable lines were skipped.</translation>
    </message>
    <message id="bytes binários">
        <source></source>
        <translation>binary bytes</translation>
    </message>
    <message id="cabeçalho desconhecido">
        <source></source>
        <translation>unknown header</translation>
    </message>
    <message id="campos: %1, esperados %2">
        <source></source>
        <translation>fields: %1, expected %2</translation>
    </message>
    <message id="tempo inválido">
        <source></source>
        <translation>invalid time</translation>
    </message>
    <message id="número inválido na coluna %1">
        <source></source>
        <translation>invalid number in column %1</translation>
    </message>
    <message id="tempo fora de ordem">
        <source></source>
        <translation>time out of order</translation>
    </message>
    <message id="Não foi possível abrir %1 (%2).">
        <source></source>
        <translation>Could not open %1 (%2).</translation>
    </message>
    <message id="Erro ao ler %1 (%2).">
        <source></source>
        <translation>Error reading %1 (%2).</translation>
    </message>
    <message id="Não foi possível criar o registro %1 (%2).">
        <source></source>
        <translation>Could not create the log %1 (%2).</translation>
    </message>
    <message id="Gravação interrompida: não foi possível escrever em %1 (%2).">
        <source></source>
        <translation>Recording stopped: could not write to %1 (%2).</translation>
    </message>
    <message id="TPS">
        <source></source>
        <translation>TPS</translation>
    </message>
    <message id="passos">
        <source></source>
        <translation>steps</translation>
    </message>
    <message id="sem conexão">
        <source></source>
        <translation>no connection</translation>
    </message>
    <message id="calibração iniciada">
        <source></source>
        <translation>calibration started</translation>
    </message>
    <message id="calibração concluída">
        <source></source>
        <translation>calibration done</translation>
    </message>
    <message id="calibração com erro">
        <source></source>
        <translation>calibration failed</translation>
    </message>
    <message id="calibração encerrada (tempo fixo)">
        <source></source>
        <translation>calibration ended (fixed time)</translation>
    </message>
    <message id="calibração sem resposta">
        <source></source>
        <translation>calibration: no answer</translation>
    </message>
    <message id="marca %1">
        <source></source>
        <translation>mark %1</translation>
    </message>
    <message id="Abrir...">
        <source></source>
        <translation>Open...</translation>
    </message>
    <message id="Lendo o registro...">
        <source></source>
        <translation>Reading the log...</translation>
    </message>
    <message id="Reproduzir no painel">
        <source></source>
        <translation>Play on the panel</translation>
    </message>
    <message id="Canais:">
        <source></source>
        <translation>Channels:</translation>
    </message>
    <message id="Marcas">
        <source></source>
        <translation>Marks</translation>
    </message>
    <message id="Registros (*.csv)|*.csv|Todos os arquivos (*.*)|*.*|">
        <source></source>
        <translation>Logs (*.csv)|*.csv|All files (*.*)|*.*|</translation>
    </message>
    <message id="&#10;Linha %1: %2">
        <source></source>
        <translation>
Line %1: %2</translation>
    </message>
    <message id="&#10;(e mais %1 linhas)">
        <source></source>
        <translation>
(and %1 more lines)</translation>
    </message>
    <message id="Cursor %1   ">
        <source></source>
        <translation>Cursor %1   </translation>
    </message>
    <message id="%1 a %2   (%3 amostras)">
        <source></source>
        <translation>%1 to %2   (%3 samples)</translation>
    </message>
    <message id="Registros">
        <source></source>
        <translation>Logs</translation>
    </message>
    <message id="Marcar">
        <source></source>
        <translation>Mark</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente retornar à tela anterior?">
        <source></source>
        <translation>The calibration is not finished yet. Do you really want to go back to the previous screen?</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente sair?">
        <source></source>
        <translation>The calibration is not finished yet. Do you really want to exit?</translation>
    </message>
    <message id="Calibração em andamento">
        <source></source>
        <translation>Calibration in progress</translation>
    </message>
    <message id="Marcha Lenta">
        <source></source>
        <translation>Idle</translation>
    </message>
    <message id="1-240 Passos">
        <source></source>
        <translation>1-240 Steps</translation>
    </message>
    <message id="Alta Rotação">
        <source></source>
        <translation>High RPM</translation>
    </message>
    <message id="CALIBRAR">
        <source></source>
        <translation>CALIBRATE</translation>
    </message>
    <message id="CALIBRANDO ...">
        <source></source>
        <translation>CALIBRATING ...</translation>
    </message>
    <message id="Não foi possível criar a pasta de registros %1.">
        <source></source>
        <translation>Could not create the log folder %1.</translation>
    </message>
    <message id="Gravando: %1">
        <source></source>
        <translation>Recording: %1</translation>
    </message>
    <message id="Calibrar">
        <source></source>
        <translation>Calibrate</translation>
    </message>
    <message id="Valor abaixo do limite inferior.">
        <source></source>
        <translation>Value below the lower limit.</translation>
    </message>
    <message id="Valor acima do limite superior.">
        <source></source>
        <translation>Value above the upper limit.</translation>
    </message>
    <message id="Atenção - Valor mínimo assumido">
        <source></source>
        <translation>Warning - Minimum value used</translation>
    </message>
    <message id="Atenção - Valor máximo assumido">
        <source></source>
        <translation>Warning - Maximum value used</translation>
    </message>
    <message id="Gráfico">
        <source></source>
        <translation>Chart</translation>
    </message>
    <message id="Últimos 60 s ao lado dos mostradores">
        <source></source>
        <translation>Last 60 s beside the gauges</translation>
    </message>
    <message id="Erro no processo de calibração">
        <source></source>
        <translation>Calibration process error</translation>
    </message>
    <message id="Calibração">
        <source></source>
        <translation>Calibration</translation>
    </message>
    <message id="TEMPO ESGOTADO!&#10;&#10;Erro na calibração.&#10;Não houve resposta do gerenciador de fluxo de gás...">
        <source></source>
        <translation>TIME OUT!

Calibration error.
No answer from the gas flow manager...</translation>
    </message>
    <message id="Erro">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="Pausa">
        <source></source>
        <translation>Pause</translation>
    </message>
    <message id="Encerrar">
        <source></source>
        <translation>Stop</translation>
    </message>
    <message id="REPRODUÇÃO">
        <source></source>
        <translation>PLAYBACK</translation>
    </message>
    <message id="PASSOS">
        <source></source>
        <translation>STEPS</translation>
    </message>
    <message id="ATUADOR">
        <source></source>
        <translation>ACTUATOR</translation>
    </message>
    <message id="INJEÇÃO">
        <source></source>
        <translation>INJECTION</translation>
    </message>
    <message id="Configuração e monitoramento">
        <source></source>
        <translation>Configuration and monitoring</translation>
    </message>
    <message id="Centrais de gás natural veicular  Q7100 · Q5100">
        <source></source>
        <translation>Natural gas vehicle ECUs  Q7100 · Q5100</translation>
    </message>
    <message id="Gravar@@registro">
        <source></source>
        <translation>Record</translation>
    </message>
    <message id="Configurações do Atuador">
        <source></source>
        <translation>Actuator Settings</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Default</translation>
    </message>
    <message id="1 - 240 passo(s)">
        <source></source>
        <translation>1 - 240 step(s)</translation>
    </message>
    <message id="Passos Mín">
        <source></source>
        <translation>Min Steps</translation>
    </message>
    <message id="1 -   40 passo(s)">
        <source></source>
        <translation>1 -   40 step(s)</translation>
    </message>
    <message id="Passos Máx">
        <source></source>
        <translation>Max Steps</translation>
    </message>
    <message id="Baixa Rotação">
        <source></source>
        <translation>Low RPM</translation>
    </message>
    <message id="Tempo de Aquecimento da Sonda Lâmbda">
        <source></source>
        <translation>Lambda Sensor Heating Time</translation>
    </message>
    <message id="Cut Off">
        <source></source>
        <translation>Cut Off</translation>
    </message>
    <message id="RPM de Cut Off">
        <source></source>
        <translation>Cut Off RPM</translation>
    </message>
    <message id="Abertura de Cut Off">
        <source></source>
        <translation>Cut Off Opening</translation>
    </message>
    <message id="Passos">
        <source></source>
        <translation>Steps</translation>
    </message>
    <message id="Passo(s)">
        <source></source>
        <translation>Step(s)</translation>
    </message>
    <message id="Delay de Cut Off">
        <source></source>
        <translation>Cut Off Delay</translation>
    </message>
    <message id="Relé Auxiliar">
        <source></source>
        <translation>Auxiliary Relay</translation>
    </message>
    <message id="Tempo de sobreposição">
        <source></source>
        <translation>Overlap time</translation>
    </message>
    <message id="Funções Auxiliares">
        <source></source>
        <translation>Auxiliary Functions</translation>
    </message>
    <message id="Lendo o equipamento...">
        <source></source>
        <translation>Reading the ECU...</translation>
    </message>
    <message id="Copiar">
        <source></source>
        <translation>Copy</translation>
    </message>
    <message id="Gravar">
        <source></source>
        <translation>Write</translation>
    </message>
    <message id="Cancelar">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="Fechar">
        <source></source>
        <translation>Close</translation>
    </message>
    <message id="Estes valores vão ser gravados na ECU. Confira antes de gravar:">
        <source></source>
        <translation>These values will be written to the ECU. Check them before writing:</translation>
    </message>
    <message id="Novo valor">
        <source></source>
        <translation>New value</translation>
    </message>
    <message id="Diferenças entre a ECU e o arquivo carregado:">
        <source></source>
        <translation>Differences between the ECU and the loaded file:</translation>
    </message>
    <message id="Diferenças entre a ECU e o arquivo %1:">
        <source></source>
        <translation>Differences between the ECU and the file %1:</translation>
    </message>
    <message id="Comparar com a ECU">
        <source></source>
        <translation>Compare with the ECU</translation>
    </message>
    <message id="Confirmar gravação na ECU">
        <source></source>
        <translation>Confirm writing to the ECU</translation>
    </message>
    <message id="Nenhuma diferença">
        <source></source>
        <translation>No differences</translation>
    </message>
    <message id="valor fora da lista de opções">
        <source></source>
        <translation>value not in the list of options</translation>
    </message>
    <message id="%1: fora dos limites %2 - %3">
        <source></source>
        <translation>%1: outside the limits %2 - %3</translation>
    </message>
    <message id="%1: registro %2 = &quot;%3&quot; não é um valor de 00 a FF">
        <source></source>
        <translation>%1: register %2 = &quot;%3&quot; is not a value from 00 to FF</translation>
    </message>
    <message id="(ausente)">
        <source></source>
        <translation>(missing)</translation>
    </message>
    <message id="Carregar Arquivo">
        <source></source>
        <translation>Load File</translation>
    </message>
    <message id="Gravar Arquivo">
        <source></source>
        <translation>Save File</translation>
    </message>
    <message id="Inicia Monitoramento">
        <source></source>
        <translation>Start Monitoring</translation>
    </message>
    <message id="Grava Todos os Valores desta Tela no Equipamento ou Arquivo">
        <source></source>
        <translation>Writes All the Values of this Screen to the ECU or File</translation>
    </message>
    <message id="Equipamento">
        <source></source>
        <translation>ECU</translation>
    </message>
    <message id="Gravando no equipamento...">
        <source></source>
        <translation>Writing to the ECU...</translation>
    </message>
    <message id="%1 valor(es) não gravado(s) na ECU.">
        <source></source>
        <translation>%1 value(s) not written to the ECU.</translation>
    </message>
    <message id=" Guardados até a conexão voltar.">
        <source></source>
        <translation> Kept until the link is back.</translation>
    </message>
    <message id="Reenviar">
        <source></source>
        <translation>Resend</translation>
    </message>
    <message id="Descartar">
        <source></source>
        <translation>Discard</translation>
    </message>
    <message id="Selecione &quot;Equipamento&quot; para reenviar.">
        <source></source>
        <translation>Select &quot;ECU&quot; to resend.</translation>
    </message>
    <message id="Arquivos Padrão Zano (*.%1)|*.%1|">
        <source></source>
        <translation>Zano Standard Files (*.%1)|*.%1|</translation>
    </message>
    <message id="Dados da Empresa">
        <source></source>
        <translation>Company Data</translation>
    </message>
    <message id="Cliente">
        <source></source>
        <translation>Customer</translation>
    </message>
    <message id="Data de Instalação">
        <source></source>
        <translation>Installation Date</translation>
    </message>
    <message id="Marca">
        <source></source>
        <translation>Make</translation>
    </message>
    <message id="Modelo">
        <source></source>
        <translation>Model</translation>
    </message>
    <message id="Ano de Fabricação">
        <source></source>
        <translation>Year of Manufacture</translation>
    </message>
    <message id="Placa">
        <source></source>
        <translation>License Plate</translation>
    </message>
    <message id="Modelo do Misturador">
        <source></source>
        <translation>Mixer Model</translation>
    </message>
    <message id="Modelo do Redutor">
        <source></source>
        <translation>Reducer Model</translation>
    </message>
    <message id="Observações Gerais">
        <source></source>
        <translation>General Remarks</translation>
    </message>
    <message id="Abrindo a porta serial...">
        <source></source>
        <translation>Opening the serial port...</translation>
    </message>
    <message id="Fechando a porta serial...">
        <source></source>
        <translation>Closing the serial port...</translation>
    </message>
    <message id="O arquivo vai receber os valores de configuração do Equipamento.">
        <source></source>
        <translation>The file will receive the ECU&apos;s configuration values.</translation>
    </message>
    <message id="Gravando...">
        <source></source>
        <translation>Saving...</translation>
    </message>
    <message id="Precione &quot;Yes&quot; para sobrescreve-lo ou &quot;No&quot; para cancelar a gravação">
        <source></source>
        <translation>Press &quot;Yes&quot; to overwrite it or &quot;No&quot; to cancel saving</translation>
    </message>
    <message id="Arquivo Existente">
        <source></source>
        <translation>File Exists</translation>
    </message>
    <message id="O arquivo anterior não foi alterado.">
        <source></source>
        <translation>The previous file was not changed.</translation>
    </message>
    <message id="Nenhum arquivo foi criado.">
        <source></source>
        <translation>No file was created.</translation>
    </message>
    <message id="Não foi possível gravar o arquivo:&#10;%1&#10;&#10;%2">
        <source></source>
        <translation>Could not save the file:
%1

%2</translation>
    </message>
    <message id="Erro ao gravar">
        <source></source>
        <translation>Save error</translation>
    </message>
    <message id="Por favor, não altere diretamente este valor.&#10;Use um dos valores predefinidos na lista apresentada.&#10;Foi assumido um dos valores validos.&#10;">
        <source></source>
        <translation>Please do not change this value directly.
Use one of the preset values in the list shown.
One of the valid values was taken.
</translation>
    </message>
    <message id="Atenção">
        <source></source>
        <translation>Attention</translation>
    </message>
    <message id="Atenção - Valor limite assumido">
        <source></source>
        <translation>Attention - Limit value taken</translation>
    </message>
    <message id="Tipo de Sinal Simulado">
        <source></source>
        <translation>Simulated Signal Type</translation>
    </message>
    <message id="Tempo ON">
        <source></source>
        <translation>ON Time</translation>
    </message>
    <message id="Tempo Off">
        <source></source>
        <translation>Off Time</translation>
    </message>
    <message id="Modo de Funcionamento">
        <source></source>
        <translation>Operating Mode</translation>
    </message>
    <message id="Tempo Injeção Padrão">
        <source></source>
        <translation>Standard Injection Time</translation>
    </message>
    <message id="Específico">
        <source></source>
        <translation>Specific</translation>
    </message>
    <message id="Automático">
        <source></source>
        <translation>Automatic</translation>
    </message>
    <message id="Manual">
        <source></source>
        <translation>Manual</translation>
    </message>
    <message id="Simulação da Sonda Lâmbda">
        <source></source>
        <translation>Lambda Sensor Simulation</translation>
    </message>
    <message id="Aguarde...">
        <source></source>
        <translation>Please wait...</translation>
    </message>
    <message id="Número de Cilindros">
        <source></source>
        <translation>Number of Cylinders</translation>
    </message>
    <message id="Número de Bobinas">
        <source></source>
        <translation>Number of Coils</translation>
    </message>
    <message id="Tipo de Sonda Lâmbda">
        <source></source>
        <translation>Lambda Sensor Type</translation>
    </message>
    <message id="Tipo de TPS">
        <source></source>
        <translation>TPS Type</translation>
    </message>
    <message id="Histerese do TPS">
        <source></source>
        <translation>TPS Hysteresis</translation>
    </message>
    <message id="Retorno Automático (Combustível Líquido)">
        <source></source>
        <translation>Automatic Return (Liquid Fuel)</translation>
    </message>
    <message id="Tempo de Retorno">
        <source></source>
        <translation>Return Time</translation>
    </message>
    <message id="1-100 Min">
        <source></source>
        <translation>1-100 Min</translation>
    </message>
    <message id="RPM de Comutação">
        <source></source>
        <translation>Switching RPM</translation>
    </message>
    <message id="1-5000 rpm">
        <source></source>
        <translation>1-5000 rpm</translation>
    </message>
    <message id="Tipo de Comutação">
        <source></source>
        <translation>Switching Type</translation>
    </message>
    <message id="Configurações do Veículo">
        <source></source>
        <translation>Vehicle Settings</translation>
    </message>
    <message id="Configurações de Comutação">
        <source></source>
        <translation>Switching Settings</translation>
    </message>
    <message id="Configuração do Veículo">
        <source></source>
        <translation>Vehicle Settings</translation>
    </message>
    <message id="A conexão com a ECU caiu durante a gravação.&#10;&#10;">
        <source></source>
        <translation>The link to the ECU dropped during the write.

</translation>
    </message>
    <message id="Gravados e confirmados pela ECU:&#10;">
        <source></source>
        <translation>Written and confirmed by the ECU:
</translation>
    </message>
    <message id="  (nenhum)&#10;">
        <source></source>
        <translation>  (none)
</translation>
    </message>
    <message id="&#10;Não gravados:&#10;">
        <source></source>
        <translation>
Not written:
</translation>
    </message>
    <message id="&#10;Os valores não gravados ficam guardados: quando a conexão voltar, use &quot;Reenviar&quot; para gravá-los.">
        <source></source>
        <translation>
The values not written are kept: when the link is back, use &quot;Resend&quot; to write them.</translation>
    </message>
    <message id="Gravação interrompida">
        <source></source>
        <translation>Write interrupted</translation>
    </message>
</context>
</TS>
