#include "pages/file_commands.h"

#include <QString>

#include "app/globals.h"
#include "app/ui/message_box.h"
#include "data/private_profile.h"
#include "i18n/ui_text.h"

namespace {

FileDialogRequest DialogFor(bool save, const char* fileType) {
    const QString type = QString::fromLatin1(fileType);
    FileDialogRequest request;
    request.save = save;
    request.filter = Tr("Arquivos Padrão Zano (*.%1)|*.%1|").arg(type);
    request.defaultExtension = save ? type : QString();
    request.initialPath = QString::fromStdString(g_ConfigFilePath);
    return request;
}

// The merge of the ECU's values over the file's: equal registers take the
// ECU's value, registers only in the file stay.
void MergeEquipmentIntoFileStore() { g_FileStore = g_EquipmentStore; }

}  // namespace

bool SaveConfigFile(QWidget* parent, const char* fileType) {
    const QString path = RunFileDialog(parent, DialogFor(true, fileType));
    if (path.isEmpty()) return false;
    const std::string pathText = path.toStdString();
    const bool existed = FileExists(pathText.c_str());
    if (!existed) {
        // Nothing is created before the whole content is ready: a save that
        // fails leaves no file behind.
        MergeEquipmentIntoFileStore();
        ShowMessageBox(parent, Tr("O arquivo vai receber os valores de configuração do Equipamento."),
                       Tr("Gravando..."), BoxIcon::Information);
    } else {
        const int answer = ShowMessageBox(
            parent, Tr("Precione \"Yes\" para sobrescreve-lo ou \"No\" para cancelar a gravação"),
            Tr("Arquivo Existente"), BoxIcon::Question, BoxButtons::YesNo);
        if (answer != kAnswerYes) return false;
        MergeEquipmentIntoFileStore();
    }
    if (!WriteConfigurationFile(pathText.c_str(), fileType, ModelFileType(), g_CustomerData, g_FileStore)) {
        // The file is replaced in one step once its new text is complete, so
        // a failure leaves the disk as it was; say so rather than pretend it
        // was saved.
        const QString outcome = existed ? Tr("O arquivo anterior não foi alterado.")
                                        : Tr("Nenhum arquivo foi criado.");
        ShowMessageBox(parent, Tr("Não foi possível gravar o arquivo:\n%1\n\n%2").arg(path, outcome),
                       Tr("Erro ao gravar"), BoxIcon::Stop);
        return false;
    }
    g_ConfigFilePath = pathText.substr(0, kConfigFilePathCapacity);
    return true;
}

LoadOutcome LoadConfigFile(QWidget* parent, const char* fileType) {
    const QString path = RunFileDialog(parent, DialogFor(false, fileType));
    // The copy happens whether or not a file was chosen.
    MergeEquipmentIntoFileStore();
    if (path.isEmpty()) return LoadOutcome::Cancelled;
    const std::string pathText = path.toStdString();
    CustomerData customer = g_CustomerData;
    if (ReadConfigurationFile(pathText.c_str(), fileType, g_FileStore, &customer) < 0) {
        ShowMessageBox(parent, Tr("Ocorreu um erro na tentativa de Carregar o Arquivo."),
                       Tr("Leitura incompleta"), BoxIcon::Information);
        g_SourceIsFile = 0;
        return LoadOutcome::Incomplete;
    }
    g_CustomerData = customer;
    g_ConfigFilePath = pathText.substr(0, kConfigFilePathCapacity);
    g_SourceIsFile = 1;
    g_FileLoaded = 1;
    return LoadOutcome::Loaded;
}
