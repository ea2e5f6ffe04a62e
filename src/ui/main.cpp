#include <QApplication>

#include "storage/settings_folder.h"
#include "tone/portaudio_output.h"
#include "ui/app_icon.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("tonalis");
  QApplication::setWindowIcon(tonalis::AppIcon());

  tonalis::QtMessageBoxes messages;
  tonalis::PortAudioOutput audio;
  tonalis::FrmTone window(messages, audio, tonalis::SettingsFolder());
  messages.setParent(&window);
  window.load();
  window.show();
  window.checkSoundCard(tonalis::HasInputDevice());
  return QApplication::exec();
}
