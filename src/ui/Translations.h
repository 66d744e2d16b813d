#pragma once

class QCoreApplication;

namespace noma {

// Qt's own Japanese texts (file dialogs, print dialogs, standard buttons), from the qtbase_ja
// catalogue in Qt's translations folder. False when the catalogue is not installed; the
// standard dialogs then stay in English.
bool loadQtTranslations(QCoreApplication& app);

}  // namespace noma
