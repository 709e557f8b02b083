<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name />
    <message id="Desativado">
        <source />
        <translation>Disabled</translation>
    </message>
    <message id="Ativado">
        <source />
        <translation>Enabled</translation>
    </message>
    <message id="Reset de Memória">
        <source />
        <translation>Memory Reset</translation>
    </message>
    <message id="Emulador">
        <source />
        <translation>Emulator</translation>
    </message>
    <message id="Descendente">
        <source />
        <translation>Descending</translation>
    </message>
    <message id="Ascendente">
        <source />
        <translation>Ascending</translation>
    </message>
    <message id="Padrão">
        <source />
        <translation>Standard</translation>
    </message>
    <message id="Especifico">
        <source />
        <translation>Specific</translation>
    </message>
    <message id="Aberto">
        <source />
        <translation>Open</translation>
    </message>
    <message id="Real">
        <source />
        <translation>Real</translation>
    </message>
    <message id="Tacômetro">
        <source />
        <translation>Tachometer</translation>
    </message>
    <message id="Conversor de texto Windows-1252 indisponível: os arquivos não podem ser lidos.">
        <source />
        <translation>Windows-1252 text converter unavailable: files cannot be read.</translation>
    </message>
    <message id=" Já existe um aplicativo aberto ">
        <source />
        <translation> The program is already open </translation>
    </message>
    <message id="Nenhuma porta serial encontrada neste computador.&#10;&#10;Deseja usar o Simulador de ECU (demonstração)? Os valores mostrados não serão de um carro.&#10;&#10;Responda Não para ligar o cabo agora: se a leitura falhar, a tela Define Porta COM mostra as portas encontradas.">
        <source />
        <translation>No serial port found on this computer.

Use the ECU Simulator (demo)? The values shown will not come from a car.

Answer No to connect the cable now: if reading fails, the Set COM Port screen shows the ports found.</translation>
    </message>
    <message id="Simulador de ECU">
        <source />
        <translation>ECU Simulator</translation>
    </message>
    <message id="Simulador de ECU (demonstração)">
        <source />
        <translation>ECU Simulator (demo)</translation>
    </message>
    <message id="Conexão com a ECU perdida — reconectando…">
        <source />
        <translation>ECU link lost — reconnecting…</translation>
    </message>
    <message id="Reconectado">
        <source />
        <translation>Reconnected</translation>
    </message>
    <message id="Abrir registros...">
        <source />
        <translation>Open logs...</translation>
    </message>
    <message id="SIMULADOR DE ECU (demonstração)">
        <source />
        <translation>ECU SIMULATOR (demo)</translation>
    </message>
    <message id="Selecione o Idioma">
        <source />
        <translation>Select Language</translation>
    </message>
    <message id="Seleção de Idioma">
        <source />
        <translation>Language Selection</translation>
    </message>
    <message id="Tela de Dados">
        <source />
        <translation>Data Screen</translation>
    </message>
    <message id="Retornar">
        <source />
        <translation>Back</translation>
    </message>
    <message id="Próximo">
        <source />
        <translation>Next</translation>
    </message>
    <message id="Sair">
        <source />
        <translation>Exit</translation>
    </message>
    <message id="Modelo do Equipamento">
        <source />
        <translation>Equipment Model</translation>
    </message>
    <message id="Define Porta COM">
        <source />
        <translation>Set COM Port</translation>
    </message>
    <message id="Procurar portas de novo">
        <source />
        <translation>Search ports again</translation>
    </message>
    <message id="Registro de comunicação (*.txt)|*.txt|">
        <source />
        <translation>Communication log (*.txt)|*.txt|</translation>
    </message>
    <message id="Não foi possível gravar o registro de comunicação.&#10;&#10;%1">
        <source />
        <translation>Could not write the communication log.

%1</translation>
    </message>
    <message id="Registro de comunicação gravado em&#10;%1">
        <source />
        <translation>Communication log saved to
%1</translation>
    </message>
    <message id="Exportar registro de comunicação">
        <source />
        <translation>Export communication log</translation>
    </message>
    <message id="%1: %2 (arquivo não encontrado ou sem leitura)">
        <source />
        <translation>%1: %2 (file not found or not readable)</translation>
    </message>
    <message id="%1: arquivo binário, não é um arquivo de configuração">
        <source />
        <translation>%1: binary file, not a configuration file</translation>
    </message>
    <message id="%1: sem a seção de registros CONFIG_Q5100 ou CONFIG_Q7100">
        <source />
        <translation>%1: no CONFIG_Q5100 or CONFIG_Q7100 register section</translation>
    </message>
    <message id="%1: tem as seções CONFIG_Q5100 e CONFIG_Q7100">
        <source />
        <translation>%1: has both CONFIG_Q5100 and CONFIG_Q7100 sections</translation>
    </message>
    <message id="%1: arquivo de outro modelo (%2), não de %3">
        <source />
        <translation>%1: file of another model (%2), not %3</translation>
    </message>
    <message id="%1: %2 (%3: falta o registro %4)">
        <source />
        <translation>%1: %2 (%3: register %4 missing)</translation>
    </message>
    <message id="Ocorreu um erro na tentativa de Carregar o Arquivo.">
        <source />
        <translation>An error occurred while trying to load the file.</translation>
    </message>
    <message id="Leitura incompleta">
        <source />
        <translation>Incomplete read</translation>
    </message>
    <message id="%1: ecu: sem porta precisa de --port COMn ou --simulator MODEL">
        <source />
        <translation>%1: ecu: without a port needs --port COMn or --simulator MODEL</translation>
    </message>
    <message id="%1: porta inválida (ecu:COMn)">
        <source />
        <translation>%1: invalid port (ecu:COMn)</translation>
    </message>
    <message id="diff de duas ECUs precisa de --model">
        <source />
        <translation>diff of two ECUs needs --model</translation>
    </message>
    <message id="Iguais.">
        <source />
        <translation>Equal.</translation>
    </message>
    <message id="simulador">
        <source />
        <translation>simulator</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2 (se for um Q5100 plus, use --model q5100plus)">
        <source />
        <translation>the %1 ECU did not answer on %2 (for a Q5100 plus, use --model q5100plus)</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2">
        <source />
        <translation>the %1 ECU did not answer on %2</translation>
    </message>
    <message id="%1 ms  rpm %2  TPS %3 V  lambda %4 V  passos %5  injeção %6 ms">
        <source />
        <translation>%1 ms  rpm %2  TPS %3 V  lambda %4 V  steps %5  injection %6 ms</translation>
    </message>
    <message id="%1 linhas gravadas em %2">
        <source />
        <translation>%1 rows recorded in %2</translation>
    </message>
    <message id="Campo">
        <source />
        <translation>Field</translation>
    </message>
    <message id="Unidade">
        <source />
        <translation>Unit</translation>
    </message>
    <message id="Valor">
        <source />
        <translation>Value</translation>
    </message>
    <message id="registro %1">
        <source />
        <translation>register %1</translation>
    </message>
    <message id="%1: o arquivo já existe (--force para sobrescrever)">
        <source />
        <translation>%1: the file already exists (--force to overwrite)</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; o arquivo anterior não foi alterado">
        <source />
        <translation>%1: could not save the file; the previous file was not changed</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; nenhum arquivo foi criado">
        <source />
        <translation>%1: could not save the file; no file was created</translation>
    </message>
    <message id="Gravar estas alterações na ECU? [y/N] ">
        <source />
        <translation>Write these changes to the ECU? [y/N] </translation>
    </message>
    <message id="(nenhum)">
        <source />
        <translation>(none)</translation>
    </message>
    <message id="Sim">
        <source />
        <translation>Yes</translation>
    </message>
    <message id="nada foi gravado">
        <source />
        <translation>nothing was written</translation>
    </message>
    <message id="A ECU já tem os valores do arquivo.">
        <source />
        <translation>The ECU already holds the file's values.</translation>
    </message>
    <message id="Arquivo">
        <source />
        <translation>File</translation>
    </message>
    <message id="sem terminal para confirmar: use --yes; nada foi gravado">
        <source />
        <translation>no terminal to confirm: use --yes; nothing was written</translation>
    </message>
    <message id="gravação interrompida (Ctrl+C)">
        <source />
        <translation>write interrupted (Ctrl+C)</translation>
    </message>
    <message id="gravação interrompida: a ligação com a ECU caiu">
        <source />
        <translation>write interrupted: the link to the ECU was lost</translation>
    </message>
    <message id="Gravados:">
        <source />
        <translation>Written:</translation>
    </message>
    <message id="Não gravados:">
        <source />
        <translation>Not written:</translation>
    </message>
    <message id="a leitura de conferência falhou; confira a ECU com zano-cli diff">
        <source />
        <translation>the read-back failed; check the ECU with zano-cli diff</translation>
    </message>
    <message id="A ECU não ficou com estes valores do arquivo:">
        <source />
        <translation>The ECU did not keep these values of the file:</translation>
    </message>
    <message id="o registro %1 não é gravado por nenhuma página">
        <source />
        <translation>register %1 is written by no page</translation>
    </message>
    <message id="Gravado e conferido: %1 campo(s).">
        <source />
        <translation>Written and checked: %1 field(s).</translation>
    </message>
    <message id="Não foi possível gravar o arquivo %1">
        <source />
        <translation>Could not write the file %1</translation>
    </message>
    <message id="Erro na leitura dos parâmetros !!!">
        <source />
        <translation>Error reading the parameters !!!</translation>
    </message>
    <message id="não encontrada">
        <source />
        <translation>not found</translation>
    </message>
    <message id="ocupada: outro programa está usando a porta">
        <source />
        <translation>busy: another program is using the port</translation>
    </message>
    <message id="sem permissão: adicione o usuário ao grupo dialout">
        <source />
        <translation>no permission: add the user to the dialout group</translation>
    </message>
    <message id="não pode ser aberta">
        <source />
        <translation>cannot be opened</translation>
    </message>
    <message id="CRX4DATA ERROR">
        <source />
        <translation>CRX4DATA ERROR</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ESTRUTURA PRINCIPAL DA CLASSE CRX4DATA">
        <source />
        <translation>ERROR ALLOCATING MEMORY FOR THE MAIN STRUCTURE OF CLASS CRX4DATA</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE">
        <source />
        <translation>ERROR ALLOCATING MEMORY TO STORE A KEYWORD VALUE</translation>
    </message>
    <message id="ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO. REVEJA O TEMPLATE OU ALTERE A QUANTIDADE MAXIMA DE PALAVRAS CHAVES SUPORTADA">
        <source />
        <translation>ERROR MAXIMUM NUMBER OF KEYWORDS REACHED. REVIEW THE TEMPLATE OR CHANGE THE MAXIMUM NUMBER OF KEYWORDS SUPPORTED</translation>
    </message>
    <message id="A FUNCAO [FindValue] RETORNOU UM VALOR NAO PREVISTO POR FAVOR ENTRE EM CONTATO COM O SUPORTE TECNICO INFORMANDO ESSA OCORRENCIA">
        <source />
        <translation>THE FUNCTION [FindValue] RETURNED AN UNEXPECTED VALUE PLEASE CONTACT TECHNICAL SUPPORT AND REPORT THIS OCCURRENCE</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE DURANTE OPERACAO DE CLONAGEM">
        <source />
        <translation>ERROR ALLOCATING MEMORY TO STORE A KEYWORD VALUE DURING A CLONE OPERATION</translation>
    </message>
    <message id="Rotação">
        <source />
        <translation>Engine speed</translation>
    </message>
    <message id="Sonda lambda">
        <source />
        <translation>Lambda sensor</translation>
    </message>
    <message id="Atuador">
        <source />
        <translation>Actuator</translation>
    </message>
    <message id="Escala">
        <source />
        <translation>Scale</translation>
    </message>
    <message id="Injeção">
        <source />
        <translation>Injection</translation>
    </message>
    <message id="linha longa demais">
        <source />
        <translation>line too long</translation>
    </message>
    <message id="última linha cortada (sem fim de linha)">
        <source />
        <translation>last line cut off (no line end)</translation>
    </message>
    <message id="Arquivo vazio.">
        <source />
        <translation>Empty file.</translation>
    </message>
    <message id="Registro grande demais: só as primeiras %1 amostras foram lidas.">
        <source />
        <translation>Log too large: only the first %1 samples were read.</translation>
    </message>
    <message id="Nenhuma amostra legível no arquivo.">
        <source />
        <translation>No readable sample in the file.</translation>
    </message>
    <message id="%1 linha ilegível foi ignorada.">
        <source />
        <translation>%1 unreadable line was skipped.</translation>
    </message>
    <message id="%1 linhas ilegíveis foram ignoradas.">
        <source />
        <translation>%1 unreadable lines were skipped.</translation>
    </message>
    <message id="bytes binários">
        <source />
        <translation>binary bytes</translation>
    </message>
    <message id="cabeçalho desconhecido">
        <source />
        <translation>unknown header</translation>
    </message>
    <message id="campos: %1, esperados %2">
        <source />
        <translation>fields: %1, expected %2</translation>
    </message>
    <message id="tempo inválido">
        <source />
        <translation>invalid time</translation>
    </message>
    <message id="número inválido na coluna %1">
        <source />
        <translation>invalid number in column %1</translation>
    </message>
    <message id="tempo fora de ordem">
        <source />
        <translation>time out of order</translation>
    </message>
    <message id="Não foi possível abrir %1 (%2).">
        <source />
        <translation>Could not open %1 (%2).</translation>
    </message>
    <message id="Erro ao ler %1 (%2).">
        <source />
        <translation>Error reading %1 (%2).</translation>
    </message>
    <message id="Não foi possível criar o registro %1 (%2).">
        <source />
        <translation>Could not create the log %1 (%2).</translation>
    </message>
    <message id="Gravação interrompida: não foi possível escrever em %1 (%2).">
        <source />
        <translation>Recording stopped: could not write to %1 (%2).</translation>
    </message>
    <message id="TPS">
        <source />
        <translation>TPS</translation>
    </message>
    <message id="passos">
        <source />
        <translation>steps</translation>
    </message>
    <message id="sem conexão">
        <source />
        <translation>no connection</translation>
    </message>
    <message id="calibração iniciada">
        <source />
        <translation>calibration started</translation>
    </message>
    <message id="calibração concluída">
        <source />
        <translation>calibration done</translation>
    </message>
    <message id="calibração com erro">
        <source />
        <translation>calibration failed</translation>
    </message>
    <message id="calibração encerrada (tempo fixo)">
        <source />
        <translation>calibration ended (fixed time)</translation>
    </message>
    <message id="calibração sem resposta">
        <source />
        <translation>calibration: no answer</translation>
    </message>
    <message id="marca %1">
        <source />
        <translation>mark %1</translation>
    </message>
    <message id="Abrir...">
        <source />
        <translation>Open...</translation>
    </message>
    <message id="Lendo o registro...">
        <source />
        <translation>Reading the log...</translation>
    </message>
    <message id="Reproduzir no painel">
        <source />
        <translation>Play on the panel</translation>
    </message>
    <message id="Canais:">
        <source />
        <translation>Channels:</translation>
    </message>
    <message id="Marcas">
        <source />
        <translation>Marks</translation>
    </message>
    <message id="Registros (*.csv)|*.csv|Todos os arquivos (*.*)|*.*|">
        <source />
        <translation>Logs (*.csv)|*.csv|All files (*.*)|*.*|</translation>
    </message>
    <message id="&#10;Linha %1: %2">
        <source />
        <translation>
Line %1: %2</translation>
    </message>
    <message id="&#10;(e mais %1 linhas)">
        <source />
        <translation>
(and %1 more lines)</translation>
    </message>
    <message id="Cursor %1   ">
        <source />
        <translation>Cursor %1   </translation>
    </message>
    <message id="%1 a %2   (%3 amostras)">
        <source />
        <translation>%1 to %2   (%3 samples)</translation>
    </message>
    <message id="Registros">
        <source />
        <translation>Logs</translation>
    </message>
    <message id="Marcar">
        <source />
        <translation>Mark</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente retornar à tela anterior?">
        <source />
        <translation>The calibration is not finished yet. Do you really want to go back to the previous screen?</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente sair?">
        <source />
        <translation>The calibration is not finished yet. Do you really want to exit?</translation>
    </message>
    <message id="Calibração em andamento">
        <source />
        <translation>Calibration in progress</translation>
    </message>
    <message id="Marcha Lenta">
        <source />
        <translation>Idle</translation>
    </message>
    <message id="1-240 Passos">
        <source />
        <translation>1-240 Steps</translation>
    </message>
    <message id="Alta Rotação">
        <source />
        <translation>High RPM</translation>
    </message>
    <message id="CALIBRAR">
        <source />
        <translation>CALIBRATE</translation>
    </message>
    <message id="CALIBRANDO ...">
        <source />
        <translation>CALIBRATING ...</translation>
    </message>
    <message id="Não foi possível criar a pasta de registros %1.">
        <source />
        <translation>Could not create the log folder %1.</translation>
    </message>
    <message id="Gravando: %1">
        <source />
        <translation>Recording: %1</translation>
    </message>
    <message id="Calibrar">
        <source />
        <translation>Calibrate</translation>
    </message>
    <message id="Valor abaixo do limite inferior.">
        <source />
        <translation>Value below the lower limit.</translation>
    </message>
    <message id="Valor acima do limite superior.">
        <source />
        <translation>Value above the upper limit.</translation>
    </message>
    <message id="Atenção - Valor mínimo assumido">
        <source />
        <translation>Warning - Minimum value used</translation>
    </message>
    <message id="Atenção - Valor máximo assumido">
        <source />
        <translation>Warning - Maximum value used</translation>
    </message>
    <message id="Gráfico">
        <source />
        <translation>Chart</translation>
    </message>
    <message id="Últimos 60 s ao lado dos mostradores">
        <source />
        <translation>Last 60 s beside the gauges</translation>
    </message>
    <message id="Erro no processo de calibração">
        <source />
        <translation>Calibration process error</translation>
    </message>
    <message id="Calibração">
        <source />
        <translation>Calibration</translation>
    </message>
    <message id="TEMPO ESGOTADO!&#10;&#10;Erro na calibração.&#10;Não houve resposta do gerenciador de fluxo de gás...">
        <source />
        <translation>TIME OUT!

Calibration error.
No answer from the gas flow manager...</translation>
    </message>
    <message id="Erro">
        <source />
        <translation>Error</translation>
    </message>
    <message id="Pausa">
        <source />
        <translation>Pause</translation>
    </message>
    <message id="Encerrar">
        <source />
        <translation>Stop</translation>
    </message>
    <message id="REPRODUÇÃO">
        <source />
        <translation>PLAYBACK</translation>
    </message>
    <message id="PASSOS">
        <source />
        <translation>STEPS</translation>
    </message>
    <message id="ATUADOR">
        <source />
        <translation>ACTUATOR</translation>
    </message>
    <message id="INJEÇÃO">
        <source />
        <translation>INJECTION</translation>
    </message>
    <message id="Configuração e monitoramento">
        <source />
        <translation>Configuration and monitoring</translation>
    </message>
    <message id="Centrais de gás natural veicular  Q7100 · Q5100">
        <source />
        <translation>Natural gas vehicle ECUs  Q7100 · Q5100</translation>
    </message>
    <message id="Gravar@@registro">
        <source />
        <translation>Record</translation>
    </message>
</context>
</TS>
