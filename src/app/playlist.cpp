// The playlist: choosing clips, opening entries, moving through them.
#include <QListWidget>
#include <algorithm>

#include "app/ctamio_dlg.h"
#include "app/playlist_rules.h"
#include "app/prompts.h"
#include "clip/clip_scanner.h"
#include "language/qt_text.h"
#include "language/text.h"

namespace halvo {
namespace {

// Adds a name at its sorted place: the list keeps itself in case-insensitive order.
void InsertSorted(QListWidget& list, const QString& name) {
  const std::u16string key = name.toStdU16String();
  int row = 0;
  while (row < list.count() && !PlaylistLess(key, list.item(row)->text().toStdU16String())) ++row;
  list.insertItem(row, name);
}

}  // namespace

void CTamioDlg::OpenFiles() {
  const FileDialogRequest request{
      .title = u"Choose Open file...",
      .filterText = u"video files *.avi ",
      .filterPattern = "*.avi",
      .defaultExtension = "avi",
      .initialName = {},
      .multiSelect = true,
  };
  const std::vector<std::string> files = services_.prompts->ChooseOpenFiles(request);
  if (files.empty()) return;
  OpenClipFiles(files);
}

void CTamioDlg::OpenClipFiles(const std::vector<std::string>& paths) {
  PlayerState& s = *state_;
  QListWidget& list = *playList();
  list.clear();
  for (const std::string& path : paths) InsertSorted(list, QString::fromStdString(BareName(path)));
  // One file: the dialog reports its full path; several: the folder that holds them.
  s.clipFolder = paths.size() == 1 ? paths.front() : FolderOf(paths.front());
  if (list.count() == 1) {
    s.clipPath = s.clipFolder;
    ProbeIndexKind(s.clipPath, s.clipInfo);
    s.clipFolder = FolderOf(s.clipPath);
  }
  NextFile();
}

void CTamioDlg::OpenSelected() {
  PlayerState& s = *state_;
  const QListWidgetItem* entry = playList()->currentItem();
  if (entry == nullptr || !entry->isSelected()) return;
  s.clipPath = JoinClipPath(s.clipFolder, entry->text().toStdString());
  ProbeIndexKind(s.clipPath, s.clipInfo);
  OpenClip(s.clipPath);
  Stop();
  Play();
}

void CTamioDlg::PreviousFile() {
  if (PlaylistEmpty()) return;
  const int previous = PreviousEntry(playList()->currentRow());
  if (previous < 0) return;
  playList()->setCurrentRow(previous);
  OpenSelected();
}

void CTamioDlg::NextFile() {
  if (PlaylistEmpty()) return;
  QListWidget& list = *playList();
  const int selected =
      list.currentItem() != nullptr && list.currentItem()->isSelected() ? list.currentRow() : -1;
  list.setCurrentRow(NextEntry(selected, list.count()));
  OpenSelected();
}

void CTamioDlg::DeleteEntry() {
  QListWidget& list = *playList();
  if (list.count() == 1) return;
  QListWidgetItem* entry = list.currentItem();
  if (entry != nullptr && entry->isSelected()) delete list.takeItem(list.row(entry));
  list.setCurrentRow(-1);
  list.clearSelection();
}

}  // namespace halvo
