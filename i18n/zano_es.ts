<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name></name>
    <message id="Desativado">
        <source></source>
        <translation>Desactivado</translation>
    </message>
    <message id="Ativado">
        <source></source>
        <translation>Activado</translation>
    </message>
    <message id="Reset de Memória">
        <source></source>
        <translation>Reset de Memoria</translation>
    </message>
    <message id="Emulador">
        <source></source>
        <translation>Emulador</translation>
    </message>
    <message id="Descendente">
        <source></source>
        <translation>Descendente</translation>
    </message>
    <message id="Ascendente">
        <source></source>
        <translation>Ascendente</translation>
    </message>
    <message id="Padrão">
        <source></source>
        <translation>Estándar</translation>
    </message>
    <message id="Especifico">
        <source></source>
        <translation>Específico</translation>
    </message>
    <message id="Aberto">
        <source></source>
        <translation>Abierto</translation>
    </message>
    <message id="Real">
        <source></source>
        <translation>Real</translation>
    </message>
    <message id="Tacômetro">
        <source></source>
        <translation>Tacómetro</translation>
    </message>
    <message id="Conversor de texto Windows-1252 indisponível: os arquivos não podem ser lidos.">
        <source></source>
        <translation>Conversor de texto Windows-1252 no disponible: los archivos no se pueden leer.</translation>
    </message>
    <message id=" Já existe um aplicativo aberto ">
        <source></source>
        <translation> Ya hay una aplicación abierta </translation>
    </message>
    <message id="Nenhuma porta serial encontrada neste computador.&#10;&#10;Deseja usar o Simulador de ECU (demonstração)? Os valores mostrados não serão de um carro.&#10;&#10;Responda Não para ligar o cabo agora: se a leitura falhar, a tela Define Porta COM mostra as portas encontradas.">
        <source></source>
        <translation>No se encontró ningún puerto serie en esta computadora.

¿Desea usar el Simulador de ECU (demostración)? Los valores mostrados no serán de un auto.

Responda No para conectar el cable ahora: si la lectura falla, la pantalla Definir Puerto COM muestra los puertos encontrados.</translation>
    </message>
    <message id="Simulador de ECU">
        <source></source>
        <translation>Simulador de ECU</translation>
    </message>
    <message id="Simulador de ECU (demonstração)">
        <source></source>
        <translation>Simulador de ECU (demostración)</translation>
    </message>
    <message id="Conexão com a ECU perdida — reconectando…">
        <source></source>
        <translation>Conexión con la ECU perdida — reconectando…</translation>
    </message>
    <message id="Reconectado">
        <source></source>
        <translation>Reconectado</translation>
    </message>
    <message id="Abrir registros...">
        <source></source>
        <translation>Abrir registros...</translation>
    </message>
    <message id="SIMULADOR DE ECU (demonstração)">
        <source></source>
        <translation>SIMULADOR DE ECU (demostración)</translation>
    </message>
    <message id="Selecione o Idioma">
        <source></source>
        <translation>Seleccione el Idioma</translation>
    </message>
    <message id="Seleção de Idioma">
        <source></source>
        <translation>Selección de Idioma</translation>
    </message>
    <message id="Tela de Dados">
        <source></source>
        <translation>Pantalla de Datos</translation>
    </message>
    <message id="Retornar">
        <source></source>
        <translation>Volver</translation>
    </message>
    <message id="Próximo">
        <source></source>
        <translation>Siguiente</translation>
    </message>
    <message id="Sair">
        <source></source>
        <translation>Salir</translation>
    </message>
    <message id="Modelo do Equipamento">
        <source></source>
        <translation>Modelo del Equipo</translation>
    </message>
    <message id="Define Porta COM">
        <source></source>
        <translation>Definir Puerto COM</translation>
    </message>
    <message id="Procurar portas de novo">
        <source></source>
        <translation>Buscar puertos de nuevo</translation>
    </message>
    <message id="Registro de comunicação (*.txt)|*.txt|">
        <source></source>
        <translation>Registro de comunicación (*.txt)|*.txt|</translation>
    </message>
    <message id="Não foi possível gravar o registro de comunicação.&#10;&#10;%1">
        <source></source>
        <translation>No se pudo guardar el registro de comunicación.

%1</translation>
    </message>
    <message id="Registro de comunicação gravado em&#10;%1">
        <source></source>
        <translation>Registro de comunicación guardado en
%1</translation>
    </message>
    <message id="Exportar registro de comunicação">
        <source></source>
        <translation>Exportar registro de comunicación</translation>
    </message>
    <message id="%1: %2 (arquivo não encontrado ou sem leitura)">
        <source></source>
        <translation>%1: %2 (archivo no encontrado o sin lectura)</translation>
    </message>
    <message id="%1: arquivo binário, não é um arquivo de configuração">
        <source></source>
        <translation>%1: archivo binario, no es un archivo de configuración</translation>
    </message>
    <message id="%1: sem a seção de registros CONFIG_Q5100 ou CONFIG_Q7100">
        <source></source>
        <translation>%1: sin la sección de registros CONFIG_Q5100 o CONFIG_Q7100</translation>
    </message>
    <message id="%1: tem as seções CONFIG_Q5100 e CONFIG_Q7100">
        <source></source>
        <translation>%1: tiene las secciones CONFIG_Q5100 y CONFIG_Q7100</translation>
    </message>
    <message id="%1: arquivo de outro modelo (%2), não de %3">
        <source></source>
        <translation>%1: archivo de otro modelo (%2), no de %3</translation>
    </message>
    <message id="%1: %2 (%3: falta o registro %4)">
        <source></source>
        <translation>%1: %2 (%3: falta el registro %4)</translation>
    </message>
    <message id="Ocorreu um erro na tentativa de Carregar o Arquivo.">
        <source></source>
        <translation>Ocurrió un error al intentar cargar el archivo.</translation>
    </message>
    <message id="Leitura incompleta">
        <source></source>
        <translation>Lectura incompleta</translation>
    </message>
    <message id="%1: ecu: sem porta precisa de --port COMn ou --simulator MODEL">
        <source></source>
        <translation>%1: ecu: sin puerto necesita --port COMn o --simulator MODEL</translation>
    </message>
    <message id="%1: porta inválida (ecu:COMn)">
        <source></source>
        <translation>%1: puerto inválido (ecu:COMn)</translation>
    </message>
    <message id="diff de duas ECUs precisa de --model">
        <source></source>
        <translation>diff de dos ECU necesita --model</translation>
    </message>
    <message id="Iguais.">
        <source></source>
        <translation>Iguales.</translation>
    </message>
    <message id="simulador">
        <source></source>
        <translation>simulador</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2 (se for um Q5100 plus, use --model q5100plus)">
        <source></source>
        <translation>la ECU %1 no respondió en %2 (si es un Q5100 plus, use --model q5100plus)</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2">
        <source></source>
        <translation>la ECU %1 no respondió en %2</translation>
    </message>
    <message id="%1 ms  rpm %2  TPS %3 V  lambda %4 V  passos %5  injeção %6 ms">
        <source></source>
        <translation>%1 ms  rpm %2  TPS %3 V  lambda %4 V  pasos %5  inyección %6 ms</translation>
    </message>
    <message id="%1 linhas gravadas em %2">
        <source></source>
        <translation>%1 filas grabadas en %2</translation>
    </message>
    <message id="Campo">
        <source></source>
        <translation>Campo</translation>
    </message>
    <message id="Unidade">
        <source></source>
        <translation>Unidad</translation>
    </message>
    <message id="Valor">
        <source></source>
        <translation>Valor</translation>
    </message>
    <message id="registro %1">
        <source></source>
        <translation>registro %1</translation>
    </message>
    <message id="%1: o arquivo já existe (--force para sobrescrever)">
        <source></source>
        <translation>%1: el archivo ya existe (--force para sobrescribir)</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; o arquivo anterior não foi alterado">
        <source></source>
        <translation>%1: no se pudo guardar el archivo; el archivo anterior no se modificó</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; nenhum arquivo foi criado">
        <source></source>
        <translation>%1: no se pudo guardar el archivo; no se creó ningún archivo</translation>
    </message>
    <message id="Gravar estas alterações na ECU? [y/N] ">
        <source></source>
        <translation>¿Grabar estos cambios en la ECU? [s/N] </translation>
    </message>
    <message id="(nenhum)">
        <source></source>
        <translation>(ninguno)</translation>
    </message>
    <message id="Sim">
        <source></source>
        <translation>Sí</translation>
    </message>
    <message id="nada foi gravado">
        <source></source>
        <translation>no se grabó nada</translation>
    </message>
    <message id="A ECU já tem os valores do arquivo.">
        <source></source>
        <translation>La ECU ya tiene los valores del archivo.</translation>
    </message>
    <message id="Arquivo">
        <source></source>
        <translation>Archivo</translation>
    </message>
    <message id="sem terminal para confirmar: use --yes; nada foi gravado">
        <source></source>
        <translation>sin terminal para confirmar: use --yes; no se grabó nada</translation>
    </message>
    <message id="gravação interrompida (Ctrl+C)">
        <source></source>
        <translation>grabación interrumpida (Ctrl+C)</translation>
    </message>
    <message id="gravação interrompida: a ligação com a ECU caiu">
        <source></source>
        <translation>grabación interrumpida: se perdió la conexión con la ECU</translation>
    </message>
    <message id="Gravados:">
        <source></source>
        <translation>Grabados:</translation>
    </message>
    <message id="Não gravados:">
        <source></source>
        <translation>No grabados:</translation>
    </message>
    <message id="a leitura de conferência falhou; confira a ECU com zano-cli diff">
        <source></source>
        <translation>la lectura de verificación falló; revise la ECU con zano-cli diff</translation>
    </message>
    <message id="A ECU não ficou com estes valores do arquivo:">
        <source></source>
        <translation>La ECU no quedó con estos valores del archivo:</translation>
    </message>
    <message id="o registro %1 não é gravado por nenhuma página">
        <source></source>
        <translation>el registro %1 no lo graba ninguna página</translation>
    </message>
    <message id="Gravado e conferido: %1 campo(s).">
        <source></source>
        <translation>Grabado y verificado: %1 campo(s).</translation>
    </message>
    <message id="Não foi possível gravar o arquivo %1">
        <source></source>
        <translation>No se pudo guardar el archivo %1</translation>
    </message>
    <message id="Erro na leitura dos parâmetros !!!">
        <source></source>
        <translation>Error en la lectura de los parámetros !!!</translation>
    </message>
    <message id="não encontrada">
        <source></source>
        <translation>no encontrado</translation>
    </message>
    <message id="ocupada: outro programa está usando a porta">
        <source></source>
        <translation>ocupado: otro programa está usando el puerto</translation>
    </message>
    <message id="sem permissão: adicione o usuário ao grupo dialout">
        <source></source>
        <translation>sin permiso: agregue el usuario al grupo dialout</translation>
    </message>
    <message id="não pode ser aberta">
        <source></source>
        <translation>no se puede abrir</translation>
    </message>
    <message id="CRX4DATA ERROR">
        <source></source>
        <translation>ERROR CRX4DATA</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ESTRUTURA PRINCIPAL DA CLASSE CRX4DATA">
        <source></source>
        <translation>ERROR ASIGNANDO MEMORIA PARA ESTRUCTURA PRINCIPAL DE CLASE CRX4DATA</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE">
        <source></source>
        <translation>ERROR ASIGNANDO MEMORIA PARA ALMACENAR VALOR DE PALABRA CLAVE</translation>
    </message>
    <message id="ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO. REVEJA O TEMPLATE OU ALTERE A QUANTIDADE MAXIMA DE PALAVRAS CHAVES SUPORTADA">
        <source></source>
        <translation>ERROR NUMERO MAXIMO DE PALABRAS CLAVE ALCANZADO. REVISE LA PLANTILLA O CAMBIE LA CANTIDAD MAXIMA DE PALABRAS CLAVE ADMITIDA</translation>
    </message>
    <message id="A FUNCAO [FindValue] RETORNOU UM VALOR NAO PREVISTO POR FAVOR ENTRE EM CONTATO COM O SUPORTE TECNICO INFORMANDO ESSA OCORRENCIA">
        <source></source>
        <translation>LA FUNCION [FindValue] DEVOLVIO UN VALOR NO PREVISTO POR FAVOR CONTACTE AL SOPORTE TECNICO INFORMANDO ESTE EVENTO</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE DURANTE OPERACAO DE CLONAGEM">
        <source></source>
        <translation>ERROR ASIGNANDO MEMORIA PARA ALMACENAR VALOR DE PALABRA CLAVE DURANTE OPERACION DE CLONACION</translation>
    </message>
    <message id="Rotação">
        <source></source>
        <translation>Régimen</translation>
    </message>
    <message id="Sonda lambda">
        <source></source>
        <translation>Sonda lambda</translation>
    </message>
    <message id="Atuador">
        <source></source>
        <translation>Actuador</translation>
    </message>
    <message id="Escala">
        <source></source>
        <translation>Escala</translation>
    </message>
    <message id="Injeção">
        <source></source>
        <translation>Inyección</translation>
    </message>
    <message id="linha longa demais">
        <source></source>
        <translation>línea demasiado larga</translation>
    </message>
    <message id="última linha cortada (sem fim de linha)">
        <source></source>
        <translation>última línea cortada (sin fin de línea)</translation>
    </message>
    <message id="Arquivo vazio.">
        <source></source>
        <translation>Archivo vacío.</translation>
    </message>
    <message id="Registro grande demais: só as primeiras %1 amostras foram lidas.">
        <source></source>
        <translation>Registro demasiado grande: solo se leyeron las primeras %1 muestras.</translation>
    </message>
    <message id="Nenhuma amostra legível no arquivo.">
        <source></source>
        <translation>Ninguna muestra legible en el archivo.</translation>
    </message>
    <message id="%1 linha ilegível foi ignorada.">
        <source></source>
        <translation>Se ignoró %1 línea ilegible.</translation>
    </message>
    <message id="%1 linhas ilegíveis foram ignoradas.">
        <source></source>
        <translation>Se ignoraron %1 líneas ilegibles.</translation>
    </message>
    <message id="bytes binários">
        <source></source>
        <translation>bytes binarios</translation>
    </message>
    <message id="cabeçalho desconhecido">
        <source></source>
        <translation>encabezado desconocido</translation>
    </message>
    <message id="campos: %1, esperados %2">
        <source></source>
        <translation>campos: %1, esperados %2</translation>
    </message>
    <message id="tempo inválido">
        <source></source>
        <translation>tiempo inválido</translation>
    </message>
    <message id="número inválido na coluna %1">
        <source></source>
        <translation>número inválido en la columna %1</translation>
    </message>
    <message id="tempo fora de ordem">
        <source></source>
        <translation>tiempo fuera de orden</translation>
    </message>
    <message id="Não foi possível abrir %1 (%2).">
        <source></source>
        <translation>No se pudo abrir %1 (%2).</translation>
    </message>
    <message id="Erro ao ler %1 (%2).">
        <source></source>
        <translation>Error al leer %1 (%2).</translation>
    </message>
    <message id="Não foi possível criar o registro %1 (%2).">
        <source></source>
        <translation>No se pudo crear el registro %1 (%2).</translation>
    </message>
    <message id="Gravação interrompida: não foi possível escrever em %1 (%2).">
        <source></source>
        <translation>Grabación interrumpida: no se pudo escribir en %1 (%2).</translation>
    </message>
    <message id="TPS">
        <source></source>
        <translation>TPS</translation>
    </message>
    <message id="passos">
        <source></source>
        <translation>pasos</translation>
    </message>
    <message id="sem conexão">
        <source></source>
        <translation>sin conexión</translation>
    </message>
    <message id="calibração iniciada">
        <source></source>
        <translation>calibración iniciada</translation>
    </message>
    <message id="calibração concluída">
        <source></source>
        <translation>calibración concluida</translation>
    </message>
    <message id="calibração com erro">
        <source></source>
        <translation>calibración con error</translation>
    </message>
    <message id="calibração encerrada (tempo fixo)">
        <source></source>
        <translation>calibración terminada (tiempo fijo)</translation>
    </message>
    <message id="calibração sem resposta">
        <source></source>
        <translation>calibración sin respuesta</translation>
    </message>
    <message id="marca %1">
        <source></source>
        <translation>marca %1</translation>
    </message>
    <message id="Abrir...">
        <source></source>
        <translation>Abrir...</translation>
    </message>
    <message id="Lendo o registro...">
        <source></source>
        <translation>Leyendo el registro...</translation>
    </message>
    <message id="Reproduzir no painel">
        <source></source>
        <translation>Reproducir en el panel</translation>
    </message>
    <message id="Canais:">
        <source></source>
        <translation>Canales:</translation>
    </message>
    <message id="Marcas">
        <source></source>
        <translation>Marcas</translation>
    </message>
    <message id="Registros (*.csv)|*.csv|Todos os arquivos (*.*)|*.*|">
        <source></source>
        <translation>Registros (*.csv)|*.csv|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message id="&#10;Linha %1: %2">
        <source></source>
        <translation>
Línea %1: %2</translation>
    </message>
    <message id="&#10;(e mais %1 linhas)">
        <source></source>
        <translation>
(y %1 líneas más)</translation>
    </message>
    <message id="Cursor %1   ">
        <source></source>
        <translation>Cursor %1   </translation>
    </message>
    <message id="%1 a %2   (%3 amostras)">
        <source></source>
        <translation>%1 a %2   (%3 muestras)</translation>
    </message>
    <message id="Registros">
        <source></source>
        <translation>Registros</translation>
    </message>
    <message id="Marcar">
        <source></source>
        <translation>Marcar</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente retornar à tela anterior?">
        <source></source>
        <translation>La calibración aún no terminó. ¿Desea realmente volver a la pantalla anterior?</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente sair?">
        <source></source>
        <translation>La calibración aún no terminó. ¿Desea realmente salir?</translation>
    </message>
    <message id="Calibração em andamento">
        <source></source>
        <translation>Calibración en curso</translation>
    </message>
    <message id="Marcha Lenta">
        <source></source>
        <translation>Ralentí</translation>
    </message>
    <message id="1-240 Passos">
        <source></source>
        <translation>1-240 Pasos</translation>
    </message>
    <message id="Alta Rotação">
        <source></source>
        <translation>Altas RPM</translation>
    </message>
    <message id="CALIBRAR">
        <source></source>
        <translation>CALIBRAR</translation>
    </message>
    <message id="CALIBRANDO ...">
        <source></source>
        <translation>CALIBRANDO ...</translation>
    </message>
    <message id="Não foi possível criar a pasta de registros %1.">
        <source></source>
        <translation>No se pudo crear la carpeta de registros %1.</translation>
    </message>
    <message id="Gravando: %1">
        <source></source>
        <translation>Grabando: %1</translation>
    </message>
    <message id="Calibrar">
        <source></source>
        <translation>Calibrar</translation>
    </message>
    <message id="Valor abaixo do limite inferior.">
        <source></source>
        <translation>Valor por debajo del límite inferior.</translation>
    </message>
    <message id="Valor acima do limite superior.">
        <source></source>
        <translation>Valor por encima del límite superior.</translation>
    </message>
    <message id="Atenção - Valor mínimo assumido">
        <source></source>
        <translation>Atención - Valor mínimo asumido</translation>
    </message>
    <message id="Atenção - Valor máximo assumido">
        <source></source>
        <translation>Atención - Valor máximo asumido</translation>
    </message>
    <message id="Gráfico">
        <source></source>
        <translation>Gráfico</translation>
    </message>
    <message id="Últimos 60 s ao lado dos mostradores">
        <source></source>
        <translation>Últimos 60 s junto a los indicadores</translation>
    </message>
    <message id="Erro no processo de calibração">
        <source></source>
        <translation>Error en el proceso de calibración</translation>
    </message>
    <message id="Calibração">
        <source></source>
        <translation>Calibración</translation>
    </message>
    <message id="TEMPO ESGOTADO!&#10;&#10;Erro na calibração.&#10;Não houve resposta do gerenciador de fluxo de gás...">
        <source></source>
        <translation>¡TIEMPO AGOTADO!

Error en la calibración.
No hubo respuesta del gestor de flujo de gas...</translation>
    </message>
    <message id="Erro">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="Pausa">
        <source></source>
        <translation>Pausa</translation>
    </message>
    <message id="Encerrar">
        <source></source>
        <translation>Terminar</translation>
    </message>
    <message id="REPRODUÇÃO">
        <source></source>
        <translation>REPRODUCCIÓN</translation>
    </message>
    <message id="PASSOS">
        <source></source>
        <translation>PASOS</translation>
    </message>
    <message id="ATUADOR">
        <source></source>
        <translation>ACTUADOR</translation>
    </message>
    <message id="INJEÇÃO">
        <source></source>
        <translation>INYECCIÓN</translation>
    </message>
    <message id="Configuração e monitoramento">
        <source></source>
        <translation>Configuración y monitoreo</translation>
    </message>
    <message id="Centrais de gás natural veicular  Q7100 · Q5100">
        <source></source>
        <translation>Centrales de gas natural vehicular  Q7100 · Q5100</translation>
    </message>
    <message id="Gravar@@registro">
        <source></source>
        <translation>Grabar</translation>
    </message>
    <message id="Configurações do Atuador">
        <source></source>
        <translation>Configuración del Actuador</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Default</translation>
    </message>
    <message id="1 - 240 passo(s)">
        <source></source>
        <translation>1 - 240 paso(s)</translation>
    </message>
    <message id="Passos Mín">
        <source></source>
        <translation>Pasos Mín</translation>
    </message>
    <message id="1 -   40 passo(s)">
        <source></source>
        <translation>1 -   40 paso(s)</translation>
    </message>
    <message id="Passos Máx">
        <source></source>
        <translation>Pasos Máx</translation>
    </message>
    <message id="Baixa Rotação">
        <source></source>
        <translation>Bajas RPM</translation>
    </message>
    <message id="Tempo de Aquecimento da Sonda Lâmbda">
        <source></source>
        <translation>Calentamiento de la Sonda Lambda</translation>
    </message>
    <message id="Cut Off">
        <source></source>
        <translation>Cut Off</translation>
    </message>
    <message id="RPM de Cut Off">
        <source></source>
        <translation>RPM de Cut Off</translation>
    </message>
    <message id="Abertura de Cut Off">
        <source></source>
        <translation>Apertura de Cut Off</translation>
    </message>
    <message id="Passos">
        <source></source>
        <translation>Pasos</translation>
    </message>
    <message id="Passo(s)">
        <source></source>
        <translation>Paso(s)</translation>
    </message>
    <message id="Delay de Cut Off">
        <source></source>
        <translation>Retardo de Cut Off</translation>
    </message>
    <message id="Relé Auxiliar">
        <source></source>
        <translation>Relé Auxiliar</translation>
    </message>
    <message id="Tempo de sobreposição">
        <source></source>
        <translation>Tiempo de superposición</translation>
    </message>
    <message id="Funções Auxiliares">
        <source></source>
        <translation>Funciones Auxiliares</translation>
    </message>
    <message id="Lendo o equipamento...">
        <source></source>
        <translation>Leyendo el equipo...</translation>
    </message>
    <message id="Copiar">
        <source></source>
        <translation>Copiar</translation>
    </message>
    <message id="Gravar">
        <source></source>
        <translation>Grabar</translation>
    </message>
    <message id="Cancelar">
        <source></source>
        <translation>Cancelar</translation>
    </message>
    <message id="Fechar">
        <source></source>
        <translation>Cerrar</translation>
    </message>
    <message id="Estes valores vão ser gravados na ECU. Confira antes de gravar:">
        <source></source>
        <translation>Estos valores se grabarán en la ECU. Revíselos antes de grabar:</translation>
    </message>
    <message id="Novo valor">
        <source></source>
        <translation>Valor nuevo</translation>
    </message>
    <message id="Diferenças entre a ECU e o arquivo carregado:">
        <source></source>
        <translation>Diferencias entre la ECU y el archivo cargado:</translation>
    </message>
    <message id="Diferenças entre a ECU e o arquivo %1:">
        <source></source>
        <translation>Diferencias entre la ECU y el archivo %1:</translation>
    </message>
    <message id="Comparar com a ECU">
        <source></source>
        <translation>Comparar con la ECU</translation>
    </message>
    <message id="Confirmar gravação na ECU">
        <source></source>
        <translation>Confirmar grabación en la ECU</translation>
    </message>
    <message id="Nenhuma diferença">
        <source></source>
        <translation>Ninguna diferencia</translation>
    </message>
    <message id="valor fora da lista de opções">
        <source></source>
        <translation>valor fuera de la lista de opciones</translation>
    </message>
    <message id="%1: fora dos limites %2 - %3">
        <source></source>
        <translation>%1: fuera de los límites %2 - %3</translation>
    </message>
    <message id="%1: registro %2 = &quot;%3&quot; não é um valor de 00 a FF">
        <source></source>
        <translation>%1: registro %2 = &quot;%3&quot; no es un valor de 00 a FF</translation>
    </message>
    <message id="(ausente)">
        <source></source>
        <translation>(ausente)</translation>
    </message>
    <message id="Carregar Arquivo">
        <source></source>
        <translation>Cargar Archivo</translation>
    </message>
    <message id="Gravar Arquivo">
        <source></source>
        <translation>Guardar Archivo</translation>
    </message>
    <message id="Inicia Monitoramento">
        <source></source>
        <translation>Iniciar Monitoreo</translation>
    </message>
    <message id="Grava Todos os Valores desta Tela no Equipamento ou Arquivo">
        <source></source>
        <translation>Graba Todos los Valores de esta Pantalla en el Equipo o Archivo</translation>
    </message>
    <message id="Equipamento">
        <source></source>
        <translation>Equipo</translation>
    </message>
    <message id="Gravando no equipamento...">
        <source></source>
        <translation>Grabando en el equipo...</translation>
    </message>
    <message id="%1 valor(es) não gravado(s) na ECU.">
        <source></source>
        <translation>%1 valor(es) no grabado(s) en la ECU.</translation>
    </message>
    <message id=" Guardados até a conexão voltar.">
        <source></source>
        <translation> Guardados hasta que vuelva la conexión.</translation>
    </message>
    <message id="Reenviar">
        <source></source>
        <translation>Reenviar</translation>
    </message>
    <message id="Descartar">
        <source></source>
        <translation>Descartar</translation>
    </message>
    <message id="Selecione &quot;Equipamento&quot; para reenviar.">
        <source></source>
        <translation>Seleccione &quot;Equipo&quot; para reenviar.</translation>
    </message>
    <message id="Arquivos Padrão Zano (*.%1)|*.%1|">
        <source></source>
        <translation>Archivos Estándar Zano (*.%1)|*.%1|</translation>
    </message>
    <message id="Dados da Empresa">
        <source></source>
        <translation>Datos de la Empresa</translation>
    </message>
    <message id="Cliente">
        <source></source>
        <translation>Cliente</translation>
    </message>
    <message id="Data de Instalação">
        <source></source>
        <translation>Fecha de Instalación</translation>
    </message>
    <message id="Marca">
        <source></source>
        <translation>Marca</translation>
    </message>
    <message id="Modelo">
        <source></source>
        <translation>Modelo</translation>
    </message>
    <message id="Ano de Fabricação">
        <source></source>
        <translation>Año de Fabricación</translation>
    </message>
    <message id="Placa">
        <source></source>
        <translation>Placa</translation>
    </message>
    <message id="Modelo do Misturador">
        <source></source>
        <translation>Modelo del Mezclador</translation>
    </message>
    <message id="Modelo do Redutor">
        <source></source>
        <translation>Modelo del Reductor</translation>
    </message>
    <message id="Observações Gerais">
        <source></source>
        <translation>Observaciones Generales</translation>
    </message>
    <message id="Abrindo a porta serial...">
        <source></source>
        <translation>Abriendo el puerto serie...</translation>
    </message>
    <message id="Fechando a porta serial...">
        <source></source>
        <translation>Cerrando el puerto serie...</translation>
    </message>
    <message id="O arquivo vai receber os valores de configuração do Equipamento.">
        <source></source>
        <translation>El archivo recibirá los valores de configuración del Equipo.</translation>
    </message>
    <message id="Gravando...">
        <source></source>
        <translation>Guardando...</translation>
    </message>
    <message id="Precione &quot;Yes&quot; para sobrescreve-lo ou &quot;No&quot; para cancelar a gravação">
        <source></source>
        <translation>Presione &quot;Yes&quot; para sobrescribirlo o &quot;No&quot; para cancelar la grabación</translation>
    </message>
    <message id="Arquivo Existente">
        <source></source>
        <translation>Archivo Existente</translation>
    </message>
    <message id="O arquivo anterior não foi alterado.">
        <source></source>
        <translation>El archivo anterior no fue modificado.</translation>
    </message>
    <message id="Nenhum arquivo foi criado.">
        <source></source>
        <translation>No se creó ningún archivo.</translation>
    </message>
    <message id="Não foi possível gravar o arquivo:&#10;%1&#10;&#10;%2">
        <source></source>
        <translation>No se pudo grabar el archivo:
%1

%2</translation>
    </message>
    <message id="Erro ao gravar">
        <source></source>
        <translation>Error al grabar</translation>
    </message>
    <message id="Por favor, não altere diretamente este valor.&#10;Use um dos valores predefinidos na lista apresentada.&#10;Foi assumido um dos valores validos.&#10;">
        <source></source>
        <translation>Por favor, no modifique directamente este valor.
Use uno de los valores predefinidos de la lista.
Se asumió uno de los valores válidos.
</translation>
    </message>
    <message id="Atenção">
        <source></source>
        <translation>Atención</translation>
    </message>
    <message id="Atenção - Valor limite assumido">
        <source></source>
        <translation>Atención - Valor límite asumido</translation>
    </message>
    <message id="Tipo de Sinal Simulado">
        <source></source>
        <translation>Tipo de Señal Simulada</translation>
    </message>
    <message id="Tempo ON">
        <source></source>
        <translation>Tiempo ON</translation>
    </message>
    <message id="Tempo Off">
        <source></source>
        <translation>Tiempo Off</translation>
    </message>
    <message id="Modo de Funcionamento">
        <source></source>
        <translation>Modo de Funcionamiento</translation>
    </message>
    <message id="Tempo Injeção Padrão">
        <source></source>
        <translation>Tiempo Inyección Estándar</translation>
    </message>
    <message id="Específico">
        <source></source>
        <translation>Específico</translation>
    </message>
    <message id="Automático">
        <source></source>
        <translation>Automático</translation>
    </message>
    <message id="Manual">
        <source></source>
        <translation>Manual</translation>
    </message>
    <message id="Simulação da Sonda Lâmbda">
        <source></source>
        <translation>Simulación de Sonda Lambda</translation>
    </message>
    <message id="Aguarde...">
        <source></source>
        <translation>Espere...</translation>
    </message>
    <message id="Número de Cilindros">
        <source></source>
        <translation>Número de Cilindros</translation>
    </message>
    <message id="Número de Bobinas">
        <source></source>
        <translation>Número de Bobinas</translation>
    </message>
    <message id="Tipo de Sonda Lâmbda">
        <source></source>
        <translation>Tipo de Sonda Lambda</translation>
    </message>
    <message id="Tipo de TPS">
        <source></source>
        <translation>Tipo de TPS</translation>
    </message>
    <message id="Histerese do TPS">
        <source></source>
        <translation>Histéresis del TPS</translation>
    </message>
    <message id="Retorno Automático (Combustível Líquido)">
        <source></source>
        <translation>Retorno Automático (Combustible Líquido)</translation>
    </message>
    <message id="Tempo de Retorno">
        <source></source>
        <translation>Tiempo de Retorno</translation>
    </message>
    <message id="1-100 Min">
        <source></source>
        <translation>1-100 Min</translation>
    </message>
    <message id="RPM de Comutação">
        <source></source>
        <translation>RPM de Conmutación</translation>
    </message>
    <message id="1-5000 rpm">
        <source></source>
        <translation>1-5000 rpm</translation>
    </message>
    <message id="Tipo de Comutação">
        <source></source>
        <translation>Tipo de Conmutación</translation>
    </message>
    <message id="Configurações do Veículo">
        <source></source>
        <translation>Configuración del Vehículo</translation>
    </message>
    <message id="Configurações de Comutação">
        <source></source>
        <translation>Configuración de Conmutación</translation>
    </message>
    <message id="Configuração do Veículo">
        <source></source>
        <translation>Configuración del Vehículo</translation>
    </message>
    <message id="A conexão com a ECU caiu durante a gravação.&#10;&#10;">
        <source></source>
        <translation>La conexión con la ECU se cayó durante la grabación.

</translation>
    </message>
    <message id="Gravados e confirmados pela ECU:&#10;">
        <source></source>
        <translation>Grabados y confirmados por la ECU:
</translation>
    </message>
    <message id="  (nenhum)&#10;">
        <source></source>
        <translation>  (ninguno)
</translation>
    </message>
    <message id="&#10;Não gravados:&#10;">
        <source></source>
        <translation>
No grabados:
</translation>
    </message>
    <message id="&#10;Os valores não gravados ficam guardados: quando a conexão voltar, use &quot;Reenviar&quot; para gravá-los.">
        <source></source>
        <translation>
Los valores no grabados quedan guardados: cuando vuelva la conexión, use &quot;Reenviar&quot; para grabarlos.</translation>
    </message>
    <message id="Gravação interrompida">
        <source></source>
        <translation>Grabación interrumpida</translation>
    </message>
</context>
</TS>
