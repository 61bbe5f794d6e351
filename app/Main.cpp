// The program's entry: the application object, its title and the main window.
#include "app/MainForm.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  TApplication::setApplicationDisplayName(TMainForm::ApplicationTitle);
  TApplication::setApplicationName("OrvaneCalculator");
  TMainForm mainForm;
  RunGuarded([&] { mainForm.FormCreate(); });
  mainForm.show();
  return app.exec();
}
