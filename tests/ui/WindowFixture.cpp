#include "WindowFixture.h"

#include <random>

TWorkingDirectory::TWorkingDirectory() : Previous(std::filesystem::current_path()) {
  std::random_device Random;
  Path = std::filesystem::temp_directory_path() / ("zomar-test-" + std::to_string(Random()));
  std::filesystem::create_directories(Path);
  std::filesystem::current_path(Path);
}

TWorkingDirectory::~TWorkingDirectory() {
  std::filesystem::current_path(Previous);
  std::filesystem::remove_all(Path);
}

void Window::Open() {
  Form = std::make_unique<TForm1>();
  Form->show();
  QApplication::setActiveWindow(Form.get());
}

void Window::Type(QLineEdit* Edit, const QString& Text) {
  Edit->selectAll();
  QTest::keyClicks(Edit, Text);
}
