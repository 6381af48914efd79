# Word lists kept in documented text files of the tree and compiled into a
# library: the build turns each [section] of such a file into one
# Windows-1252 text of blank-separated words (lexical/listes_embarquees.h),
# so the program still needs no file beside quirandole.lex.
#
# Included by the top CMakeLists.txt, it defines
#   lecturiel_listes(CIBLE FICHIER NOM)
# which adds to CIBLE a source, written in the build folder whenever FICHIER
# changes, defining `const std::span<const TListeEmbarquee> NOM`. Run as a
# script (cmake -DSOURCE=... -DSORTIE=... -DNOM=... -P this file), it writes
# that source.
#
# The file's format: UTF-8; "#" starts a comment up to the end of the line;
# "[name]" opens a section; the words follow, blank-separated, on any number
# of lines. A word may not hold a quote or a backslash, and a word before the
# first section is an error, reported with its line.

include(${CMAKE_CURRENT_LIST_DIR}/donnees_embarquees.cmake)

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
  lecturiel_lignes_utiles("${SOURCE}" numeros lignes)
  set(section "")
  set(sections "")
  foreach(numero ligne IN ZIP_LISTS numeros lignes)
    if(ligne MATCHES "^\\[([a-z0-9-]+)\\]$")
      set(section "${CMAKE_MATCH_1}")
      if(section IN_LIST sections)
        lecturiel_refuse("section [${section}] en double")
      endif()
      list(APPEND sections "${section}")
      set(mots_${section} "")
      continue()
    endif()
    if(section STREQUAL "")
      lecturiel_refuse("mots hors de toute section")
    endif()
    if(ligne MATCHES "[\"\\\\]")
      lecturiel_refuse("guillemet ou barre oblique inverse")
    endif()
    string(REGEX REPLACE "[ \t]+" " " ligne "${ligne}")
    if(mots_${section} STREQUAL "")
      set(mots_${section} "${ligne}")
    else()
      string(APPEND mots_${section} " ${ligne}")
    endif()
  endforeach()
  cmake_path(GET SOURCE FILENAME nomFichier)
  set(texte "// Written by the build from ${nomFichier} (outils/cmake/listes_embarquees.cmake).\n")
  string(APPEND texte "#include <span>\n\n#include \"lexical/cp1252_litteral.h\"\n")
  string(APPEND texte "#include \"lexical/listes_embarquees.h\"\n\nnamespace {\n")
  string(APPEND texte "constexpr TListeEmbarquee Sections[] = {\n")
  foreach(section IN LISTS sections)
    string(APPEND texte "    {\"${section}\", \"${mots_${section}}\"_1252},\n")
  endforeach()
  string(APPEND texte "};\n}  // namespace\n\n")
  lecturiel_ecris_source("std::span<const TListeEmbarquee>" Sections "${texte}")
  return()
endif()

set(LECTURIEL_SCRIPT_LISTES ${CMAKE_CURRENT_LIST_FILE})

function(lecturiel_listes cible fichier nom)
  lecturiel_source_de_donnees(${cible} ${CMAKE_CURRENT_SOURCE_DIR}/${fichier} ${nom}
                              ${LECTURIEL_SCRIPT_LISTES} "Listes de mots de ${fichier}")
endfunction()
