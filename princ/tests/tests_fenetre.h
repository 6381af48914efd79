// Registration of the window test classes; main() runs the one named on the
// command line, or all of them.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

std::map<std::string, std::function<QObject*()>>& ClassesDeTest();

struct TInscription {
  TInscription(const char* nom, std::function<QObject*()> fabrique) { ClassesDeTest()[nom] = std::move(fabrique); }
};

#define LECTURIEL_TEST(Classe) static TInscription inscription##Classe(#Classe, [] { return new Classe; });
