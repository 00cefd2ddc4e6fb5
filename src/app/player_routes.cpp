// The player window's routing table: every command, button and timer of the
// window is connected here, in one place.
#include <QAction>

#include "app/ctamio_dlg.h"
#include "language/chelp_dlg.h"
#include "language/menu_model.h"
#include "language/qt_text.h"

namespace halvo {

void CTamioDlg::ConnectMenu(MenuCommand command, void (CTamioDlg::*handler)()) {
  connect(menuActions_.at(command), &QAction::triggered, this, handler);
}

void CTamioDlg::WireRoutes() {
  ConnectMenu(MenuCommand::Exit, &CTamioDlg::accept);
  for (MenuCommand command : {MenuCommand::LanguageEnglish, MenuCommand::LanguageTraditionalChinese,
                              MenuCommand::LanguageSimplifiedChinese, MenuCommand::LanguageJapanese,
                              MenuCommand::LanguageKorean}) {
    const LanguageId language = *LanguageForCommand(command);
    connect(menuActions_.at(command), &QAction::triggered, this,
            [this, language] { ApplyLanguage(language); });
  }
  ConnectMenu(MenuCommand::About, &CTamioDlg::ShowAboutBox);
}

void CTamioDlg::ShowAboutBox() {
  CHelpDlg about(windowIcon().pixmap(32, 32), ToQString(kBuildLabel), this);
  about.exec();
}

}  // namespace halvo
