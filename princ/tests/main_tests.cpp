#include <QApplication>
#include <QTest>
#include <memory>

#include "princ/tests/banc.h"

std::map<std::string, std::function<QObject*()>>& ClassesDeTest() {
  static std::map<std::string, std::function<QObject*()>> classes;
  return classes;
}

// fenetre_tests [Classe [options de Qt Test]]
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QStringList arguments = application.arguments();
  std::string choisie;
  if (arguments.size() > 1 && ClassesDeTest().count(arguments[1].toStdString())) {
    choisie = arguments[1].toStdString();
    arguments.removeAt(1);
  }
  int echecs = 0;
  for (const auto& [nom, fabrique] : ClassesDeTest()) {
    if (!choisie.empty() && nom != choisie) continue;
    std::unique_ptr<QObject> test(fabrique());
    echecs += QTest::qExec(test.get(), arguments);
  }
  return echecs;
}
