#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <optional>
#include <string>

#include "app/Workspace.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramFolder.h"
#include "ui/CommandLine.h"
#include "ui/EditorWindows.h"
#include "ui/ProgramIcon.h"
#include "ui/QtDialogs.h"
#include "ui/QtFormHost.h"
#include "ui/TForm1.h"
#include "ui/Translations.h"

namespace {

// Shows what escapes an event handler and ends the program, as the platform's standard
// error box does.
class NomaApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, "NOMA", QString::fromUtf8(e.what()));
        } catch (...) {
            QMessageBox::critical(nullptr, "NOMA", "予期しないエラーが発生しました。");
        }
        exit(1);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = noma::answerHelpOrVersion(argc, argv)) return *status;
    noma::installOutputSafety();
    NomaApplication app(argc, argv);
    app.setApplicationName("NOMA");
    app.setDesktopFileName("noma");  // lets the desktop match the window to noma.desktop
    app.setWindowIcon(QIcon(noma::programIcon()));
    noma::loadQtTranslations(app);
    std::optional<std::string> score;
    if (const auto status = noma::takeScoreArgument(argc, argv, score)) return *status;
    try {
        noma::QtDialogs dialogs;
        noma::AuxiliaryWindows windows;
        noma::QtFormHost forms(windows);
        const noma::Expected<std::string> folder = noma::defaultProgramFolder();
        if (!folder.ok()) {
            QMessageBox::critical(nullptr, "NOMA",
                                  QString::fromStdString(folder.failure().message +
                                                         "\n環境変数 HOME を設定してください。"));
            return 1;
        }
        noma::Workspace workspace(dialogs, forms, *folder);
        workspace.startUp(score);
        workspace.startRecovery();

        noma::EditorWindows editor(workspace, windows);
        dialogs.setParent(&editor.main());
        editor.main().show();
        return app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "NOMA", QString::fromUtf8(e.what()));
        return 1;
    }
}
