<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name />
    <message id="Desativado">
        <source />
        <translation>Desactivado</translation>
    </message>
    <message id="Ativado">
        <source />
        <translation>Activado</translation>
    </message>
    <message id="Reset de Memória">
        <source />
        <translation>Reset de Memoria</translation>
    </message>
    <message id="Emulador">
        <source />
        <translation>Emulador</translation>
    </message>
    <message id="Descendente">
        <source />
        <translation>Descendente</translation>
    </message>
    <message id="Ascendente">
        <source />
        <translation>Ascendente</translation>
    </message>
    <message id="Padrão">
        <source />
        <translation>Estándar</translation>
    </message>
    <message id="Especifico">
        <source />
        <translation>Específico</translation>
    </message>
    <message id="Aberto">
        <source />
        <translation>Abierto</translation>
    </message>
    <message id="Real">
        <source />
        <translation>Real</translation>
    </message>
    <message id="Tacômetro">
        <source />
        <translation>Tacómetro</translation>
    </message>
    <message id="Conversor de texto Windows-1252 indisponível: os arquivos não podem ser lidos.">
        <source />
        <translation>Conversor de texto Windows-1252 no disponible: los archivos no se pueden leer.</translation>
    </message>
    <message id=" Já existe um aplicativo aberto ">
        <source />
        <translation> Ya hay una aplicación abierta </translation>
    </message>
    <message id="Nenhuma porta serial encontrada neste computador.&#10;&#10;Deseja usar o Simulador de ECU (demonstração)? Os valores mostrados não serão de um carro.&#10;&#10;Responda Não para ligar o cabo agora: se a leitura falhar, a tela Define Porta COM mostra as portas encontradas.">
        <source />
        <translation>No se encontró ningún puerto serie en esta computadora.

¿Desea usar el Simulador de ECU (demostración)? Los valores mostrados no serán de un auto.

Responda No para conectar el cable ahora: si la lectura falla, la pantalla Definir Puerto COM muestra los puertos encontrados.</translation>
    </message>
    <message id="Simulador de ECU">
        <source />
        <translation>Simulador de ECU</translation>
    </message>
    <message id="Simulador de ECU (demonstração)">
        <source />
        <translation>Simulador de ECU (demostración)</translation>
    </message>
    <message id="Conexão com a ECU perdida — reconectando…">
        <source />
        <translation>Conexión con la ECU perdida — reconectando…</translation>
    </message>
    <message id="Reconectado">
        <source />
        <translation>Reconectado</translation>
    </message>
    <message id="Abrir registros...">
        <source />
        <translation>Abrir registros...</translation>
    </message>
    <message id="SIMULADOR DE ECU (demonstração)">
        <source />
        <translation>SIMULADOR DE ECU (demostración)</translation>
    </message>
    <message id="Selecione o Idioma">
        <source />
        <translation>Seleccione el Idioma</translation>
    </message>
    <message id="Seleção de Idioma">
        <source />
        <translation>Selección de Idioma</translation>
    </message>
    <message id="Tela de Dados">
        <source />
        <translation>Pantalla de Datos</translation>
    </message>
    <message id="Retornar">
        <source />
        <translation>Volver</translation>
    </message>
    <message id="Próximo">
        <source />
        <translation>Siguiente</translation>
    </message>
    <message id="Sair">
        <source />
        <translation>Salir</translation>
    </message>
    <message id="Modelo do Equipamento">
        <source />
        <translation>Modelo del Equipo</translation>
    </message>
    <message id="Define Porta COM">
        <source />
        <translation>Definir Puerto COM</translation>
    </message>
    <message id="Procurar portas de novo">
        <source />
        <translation>Buscar puertos de nuevo</translation>
    </message>
    <message id="Registro de comunicação (*.txt)|*.txt|">
        <source />
        <translation>Registro de comunicación (*.txt)|*.txt|</translation>
    </message>
    <message id="Não foi possível gravar o registro de comunicação.&#10;&#10;%1">
        <source />
        <translation>No se pudo guardar el registro de comunicación.

%1</translation>
    </message>
    <message id="Registro de comunicação gravado em&#10;%1">
        <source />
        <translation>Registro de comunicación guardado en
%1</translation>
    </message>
    <message id="Exportar registro de comunicação">
        <source />
        <translation>Exportar registro de comunicación</translation>
    </message>
    <message id="%1: %2 (arquivo não encontrado ou sem leitura)">
        <source />
        <translation>%1: %2 (archivo no encontrado o sin lectura)</translation>
    </message>
    <message id="%1: arquivo binário, não é um arquivo de configuração">
        <source />
        <translation>%1: archivo binario, no es un archivo de configuración</translation>
    </message>
    <message id="%1: sem a seção de registros CONFIG_Q5100 ou CONFIG_Q7100">
        <source />
        <translation>%1: sin la sección de registros CONFIG_Q5100 o CONFIG_Q7100</translation>
    </message>
    <message id="%1: tem as seções CONFIG_Q5100 e CONFIG_Q7100">
        <source />
        <translation>%1: tiene las secciones CONFIG_Q5100 y CONFIG_Q7100</translation>
    </message>
    <message id="%1: arquivo de outro modelo (%2), não de %3">
        <source />
        <translation>%1: archivo de otro modelo (%2), no de %3</translation>
    </message>
    <message id="%1: %2 (%3: falta o registro %4)">
        <source />
        <translation>%1: %2 (%3: falta el registro %4)</translation>
    </message>
    <message id="Ocorreu um erro na tentativa de Carregar o Arquivo.">
        <source />
        <translation>Ocurrió un error al intentar cargar el archivo.</translation>
    </message>
    <message id="Leitura incompleta">
        <source />
        <translation>Lectura incompleta</translation>
    </message>
    <message id="%1: ecu: sem porta precisa de --port COMn ou --simulator MODEL">
        <source />
        <translation>%1: ecu: sin puerto necesita --port COMn o --simulator MODEL</translation>
    </message>
    <message id="%1: porta inválida (ecu:COMn)">
        <source />
        <translation>%1: puerto inválido (ecu:COMn)</translation>
    </message>
    <message id="diff de duas ECUs precisa de --model">
        <source />
        <translation>diff de dos ECU necesita --model</translation>
    </message>
    <message id="Iguais.">
        <source />
        <translation>Iguales.</translation>
    </message>
    <message id="simulador">
        <source />
        <translation>simulador</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2 (se for um Q5100 plus, use --model q5100plus)">
        <source />
        <translation>la ECU %1 no respondió en %2 (si es un Q5100 plus, use --model q5100plus)</translation>
    </message>
    <message id="a ECU %1 não respondeu em %2">
        <source />
        <translation>la ECU %1 no respondió en %2</translation>
    </message>
    <message id="%1 ms  rpm %2  TPS %3 V  lambda %4 V  passos %5  injeção %6 ms">
        <source />
        <translation>%1 ms  rpm %2  TPS %3 V  lambda %4 V  pasos %5  inyección %6 ms</translation>
    </message>
    <message id="%1 linhas gravadas em %2">
        <source />
        <translation>%1 filas grabadas en %2</translation>
    </message>
    <message id="Campo">
        <source />
        <translation>Campo</translation>
    </message>
    <message id="Unidade">
        <source />
        <translation>Unidad</translation>
    </message>
    <message id="Valor">
        <source />
        <translation>Valor</translation>
    </message>
    <message id="registro %1">
        <source />
        <translation>registro %1</translation>
    </message>
    <message id="%1: o arquivo já existe (--force para sobrescrever)">
        <source />
        <translation>%1: el archivo ya existe (--force para sobrescribir)</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; o arquivo anterior não foi alterado">
        <source />
        <translation>%1: no se pudo guardar el archivo; el archivo anterior no se modificó</translation>
    </message>
    <message id="%1: não foi possível gravar o arquivo; nenhum arquivo foi criado">
        <source />
        <translation>%1: no se pudo guardar el archivo; no se creó ningún archivo</translation>
    </message>
    <message id="Gravar estas alterações na ECU? [y/N] ">
        <source />
        <translation>¿Grabar estos cambios en la ECU? [s/N] </translation>
    </message>
    <message id="(nenhum)">
        <source />
        <translation>(ninguno)</translation>
    </message>
    <message id="Sim">
        <source />
        <translation>Sí</translation>
    </message>
    <message id="nada foi gravado">
        <source />
        <translation>no se grabó nada</translation>
    </message>
    <message id="A ECU já tem os valores do arquivo.">
        <source />
        <translation>La ECU ya tiene los valores del archivo.</translation>
    </message>
    <message id="Arquivo">
        <source />
        <translation>Archivo</translation>
    </message>
    <message id="sem terminal para confirmar: use --yes; nada foi gravado">
        <source />
        <translation>sin terminal para confirmar: use --yes; no se grabó nada</translation>
    </message>
    <message id="gravação interrompida (Ctrl+C)">
        <source />
        <translation>grabación interrumpida (Ctrl+C)</translation>
    </message>
    <message id="gravação interrompida: a ligação com a ECU caiu">
        <source />
        <translation>grabación interrumpida: se perdió la conexión con la ECU</translation>
    </message>
    <message id="Gravados:">
        <source />
        <translation>Grabados:</translation>
    </message>
    <message id="Não gravados:">
        <source />
        <translation>No grabados:</translation>
    </message>
    <message id="a leitura de conferência falhou; confira a ECU com zano-cli diff">
        <source />
        <translation>la lectura de verificación falló; revise la ECU con zano-cli diff</translation>
    </message>
    <message id="A ECU não ficou com estes valores do arquivo:">
        <source />
        <translation>La ECU no quedó con estos valores del archivo:</translation>
    </message>
    <message id="o registro %1 não é gravado por nenhuma página">
        <source />
        <translation>el registro %1 no lo graba ninguna página</translation>
    </message>
    <message id="Gravado e conferido: %1 campo(s).">
        <source />
        <translation>Grabado y verificado: %1 campo(s).</translation>
    </message>
    <message id="Não foi possível gravar o arquivo %1">
        <source />
        <translation>No se pudo guardar el archivo %1</translation>
    </message>
    <message id="Erro na leitura dos parâmetros !!!">
        <source />
        <translation>Error en la lectura de los parámetros !!!</translation>
    </message>
    <message id="não encontrada">
        <source />
        <translation>no encontrado</translation>
    </message>
    <message id="ocupada: outro programa está usando a porta">
        <source />
        <translation>ocupado: otro programa está usando el puerto</translation>
    </message>
    <message id="sem permissão: adicione o usuário ao grupo dialout">
        <source />
        <translation>sin permiso: agregue el usuario al grupo dialout</translation>
    </message>
    <message id="não pode ser aberta">
        <source />
        <translation>no se puede abrir</translation>
    </message>
    <message id="CRX4DATA ERROR">
        <source />
        <translation>ERROR CRX4DATA</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ESTRUTURA PRINCIPAL DA CLASSE CRX4DATA">
        <source />
        <translation>ERROR ASIGNANDO MEMORIA PARA ESTRUCTURA PRINCIPAL DE CLASE CRX4DATA</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE">
        <source />
        <translation>ERROR ASIGNANDO MEMORIA PARA ALMACENAR VALOR DE PALABRA CLAVE</translation>
    </message>
    <message id="ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO. REVEJA O TEMPLATE OU ALTERE A QUANTIDADE MAXIMA DE PALAVRAS CHAVES SUPORTADA">
        <source />
        <translation>ERROR NUMERO MAXIMO DE PALABRAS CLAVE ALCANZADO. REVISE LA PLANTILLA O CAMBIE LA CANTIDAD MAXIMA DE PALABRAS CLAVE ADMITIDA</translation>
    </message>
    <message id="A FUNCAO [FindValue] RETORNOU UM VALOR NAO PREVISTO POR FAVOR ENTRE EM CONTATO COM O SUPORTE TECNICO INFORMANDO ESSA OCORRENCIA">
        <source />
        <translation>LA FUNCION [FindValue] DEVOLVIO UN VALOR NO PREVISTO POR FAVOR CONTACTE AL SOPORTE TECNICO INFORMANDO ESTE EVENTO</translation>
    </message>
    <message id="ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE DURANTE OPERACAO DE CLONAGEM">
        <source />
        <translation>ERROR ASIGNANDO MEMORIA PARA ALMACENAR VALOR DE PALABRA CLAVE DURANTE OPERACION DE CLONACION</translation>
    </message>
    <message id="Rotação">
        <source />
        <translation>Régimen</translation>
    </message>
    <message id="Sonda lambda">
        <source />
        <translation>Sonda lambda</translation>
    </message>
    <message id="Atuador">
        <source />
        <translation>Actuador</translation>
    </message>
    <message id="Escala">
        <source />
        <translation>Escala</translation>
    </message>
    <message id="Injeção">
        <source />
        <translation>Inyección</translation>
    </message>
    <message id="linha longa demais">
        <source />
        <translation>línea demasiado larga</translation>
    </message>
    <message id="última linha cortada (sem fim de linha)">
        <source />
        <translation>última línea cortada (sin fin de línea)</translation>
    </message>
    <message id="Arquivo vazio.">
        <source />
        <translation>Archivo vacío.</translation>
    </message>
    <message id="Registro grande demais: só as primeiras %1 amostras foram lidas.">
        <source />
        <translation>Registro demasiado grande: solo se leyeron las primeras %1 muestras.</translation>
    </message>
    <message id="Nenhuma amostra legível no arquivo.">
        <source />
        <translation>Ninguna muestra legible en el archivo.</translation>
    </message>
    <message id="%1 linha ilegível foi ignorada.">
        <source />
        <translation>Se ignoró %1 línea ilegible.</translation>
    </message>
    <message id="%1 linhas ilegíveis foram ignoradas.">
        <source />
        <translation>Se ignoraron %1 líneas ilegibles.</translation>
    </message>
    <message id="bytes binários">
        <source />
        <translation>bytes binarios</translation>
    </message>
    <message id="cabeçalho desconhecido">
        <source />
        <translation>encabezado desconocido</translation>
    </message>
    <message id="campos: %1, esperados %2">
        <source />
        <translation>campos: %1, esperados %2</translation>
    </message>
    <message id="tempo inválido">
        <source />
        <translation>tiempo inválido</translation>
    </message>
    <message id="número inválido na coluna %1">
        <source />
        <translation>número inválido en la columna %1</translation>
    </message>
    <message id="tempo fora de ordem">
        <source />
        <translation>tiempo fuera de orden</translation>
    </message>
    <message id="Não foi possível abrir %1 (%2).">
        <source />
        <translation>No se pudo abrir %1 (%2).</translation>
    </message>
    <message id="Erro ao ler %1 (%2).">
        <source />
        <translation>Error al leer %1 (%2).</translation>
    </message>
    <message id="Não foi possível criar o registro %1 (%2).">
        <source />
        <translation>No se pudo crear el registro %1 (%2).</translation>
    </message>
    <message id="Gravação interrompida: não foi possível escrever em %1 (%2).">
        <source />
        <translation>Grabación interrumpida: no se pudo escribir en %1 (%2).</translation>
    </message>
    <message id="TPS">
        <source />
        <translation>TPS</translation>
    </message>
    <message id="passos">
        <source />
        <translation>pasos</translation>
    </message>
    <message id="sem conexão">
        <source />
        <translation>sin conexión</translation>
    </message>
    <message id="calibração iniciada">
        <source />
        <translation>calibración iniciada</translation>
    </message>
    <message id="calibração concluída">
        <source />
        <translation>calibración concluida</translation>
    </message>
    <message id="calibração com erro">
        <source />
        <translation>calibración con error</translation>
    </message>
    <message id="calibração encerrada (tempo fixo)">
        <source />
        <translation>calibración terminada (tiempo fijo)</translation>
    </message>
    <message id="calibração sem resposta">
        <source />
        <translation>calibración sin respuesta</translation>
    </message>
    <message id="marca %1">
        <source />
        <translation>marca %1</translation>
    </message>
    <message id="Abrir...">
        <source />
        <translation>Abrir...</translation>
    </message>
    <message id="Lendo o registro...">
        <source />
        <translation>Leyendo el registro...</translation>
    </message>
    <message id="Reproduzir no painel">
        <source />
        <translation>Reproducir en el panel</translation>
    </message>
    <message id="Canais:">
        <source />
        <translation>Canales:</translation>
    </message>
    <message id="Marcas">
        <source />
        <translation>Marcas</translation>
    </message>
    <message id="Registros (*.csv)|*.csv|Todos os arquivos (*.*)|*.*|">
        <source />
        <translation>Registros (*.csv)|*.csv|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message id="&#10;Linha %1: %2">
        <source />
        <translation>
Línea %1: %2</translation>
    </message>
    <message id="&#10;(e mais %1 linhas)">
        <source />
        <translation>
(y %1 líneas más)</translation>
    </message>
    <message id="Cursor %1   ">
        <source />
        <translation>Cursor %1   </translation>
    </message>
    <message id="%1 a %2   (%3 amostras)">
        <source />
        <translation>%1 a %2   (%3 muestras)</translation>
    </message>
    <message id="Registros">
        <source />
        <translation>Registros</translation>
    </message>
    <message id="Marcar">
        <source />
        <translation>Marcar</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente retornar à tela anterior?">
        <source />
        <translation>La calibración aún no terminó. ¿Desea realmente volver a la pantalla anterior?</translation>
    </message>
    <message id="A Calibração ainda não foi concluída. Deseja realmente sair?">
        <source />
        <translation>La calibración aún no terminó. ¿Desea realmente salir?</translation>
    </message>
    <message id="Calibração em andamento">
        <source />
        <translation>Calibración en curso</translation>
    </message>
    <message id="Marcha Lenta">
        <source />
        <translation>Ralentí</translation>
    </message>
    <message id="1-240 Passos">
        <source />
        <translation>1-240 Pasos</translation>
    </message>
    <message id="Alta Rotação">
        <source />
        <translation>Altas RPM</translation>
    </message>
    <message id="CALIBRAR">
        <source />
        <translation>CALIBRAR</translation>
    </message>
    <message id="CALIBRANDO ...">
        <source />
        <translation>CALIBRANDO ...</translation>
    </message>
    <message id="Não foi possível criar a pasta de registros %1.">
        <source />
        <translation>No se pudo crear la carpeta de registros %1.</translation>
    </message>
    <message id="Gravando: %1">
        <source />
        <translation>Grabando: %1</translation>
    </message>
    <message id="Calibrar">
        <source />
        <translation>Calibrar</translation>
    </message>
    <message id="Valor abaixo do limite inferior.">
        <source />
        <translation>Valor por debajo del límite inferior.</translation>
    </message>
    <message id="Valor acima do limite superior.">
        <source />
        <translation>Valor por encima del límite superior.</translation>
    </message>
    <message id="Atenção - Valor mínimo assumido">
        <source />
        <translation>Atención - Valor mínimo asumido</translation>
    </message>
    <message id="Atenção - Valor máximo assumido">
        <source />
        <translation>Atención - Valor máximo asumido</translation>
    </message>
    <message id="Gráfico">
        <source />
        <translation>Gráfico</translation>
    </message>
    <message id="Últimos 60 s ao lado dos mostradores">
        <source />
        <translation>Últimos 60 s junto a los indicadores</translation>
    </message>
    <message id="Erro no processo de calibração">
        <source />
        <translation>Error en el proceso de calibración</translation>
    </message>
    <message id="Calibração">
        <source />
        <translation>Calibración</translation>
    </message>
    <message id="TEMPO ESGOTADO!&#10;&#10;Erro na calibração.&#10;Não houve resposta do gerenciador de fluxo de gás...">
        <source />
        <translation>¡TIEMPO AGOTADO!

Error en la calibración.
No hubo respuesta del gestor de flujo de gas...</translation>
    </message>
    <message id="Erro">
        <source />
        <translation>Error</translation>
    </message>
    <message id="Pausa">
        <source />
        <translation>Pausa</translation>
    </message>
    <message id="Encerrar">
        <source />
        <translation>Terminar</translation>
    </message>
    <message id="REPRODUÇÃO">
        <source />
        <translation>REPRODUCCIÓN</translation>
    </message>
    <message id="PASSOS">
        <source />
        <translation>PASOS</translation>
    </message>
    <message id="ATUADOR">
        <source />
        <translation>ACTUADOR</translation>
    </message>
    <message id="INJEÇÃO">
        <source />
        <translation>INYECCIÓN</translation>
    </message>
    <message id="Configuração e monitoramento">
        <source />
        <translation>Configuración y monitoreo</translation>
    </message>
    <message id="Centrais de gás natural veicular  Q7100 · Q5100">
        <source />
        <translation>Centrales de gas natural vehicular  Q7100 · Q5100</translation>
    </message>
    <message id="Gravar@@registro">
        <source />
        <translation>Grabar</translation>
    </message>
</context>
</TS>
