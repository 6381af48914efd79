# What the build's compilers of data files into C++ sources share
# (graphies_embarquees.cmake, listes_embarquees.cmake): reading the file's
# lines, refusing a line, and the custom command that writes the source.
# Included by both, in a configure as in script mode.

# lecturiel_lignes_utiles(FICHIER NUMEROS LIGNES): the lines of FICHIER
# (UTF-8) that hold something once the "#" comments and the surrounding
# blanks are gone, in LIGNES, and their line numbers in NUMEROS.
function(lecturiel_lignes_utiles fichier numeros lignes)
  file(STRINGS "${fichier}" brutes ENCODING UTF-8)
  set(numero 0)
  set(nums "")
  set(utiles "")
  foreach(ligne IN LISTS brutes)
    math(EXPR numero "${numero} + 1")
    string(REGEX REPLACE "#.*" "" ligne "${ligne}")
    string(STRIP "${ligne}" ligne)
    if(NOT ligne STREQUAL "")
      list(APPEND nums ${numero})
      list(APPEND utiles "${ligne}")
    endif()
  endforeach()
  set(${numeros} "${nums}" PARENT_SCOPE)
  set(${lignes} "${utiles}" PARENT_SCOPE)
endfunction()

# lecturiel_refuse(TEXTE): "SOURCE:numero: TEXTE" on a line of its own, as
# the compilers and the lexicon compiler say it (a CMake error message would
# be wrapped), then the build stops. SOURCE and numero are the caller's.
macro(lecturiel_refuse texte)
  message(NOTICE "${SOURCE}:${numero}: ${texte}")
  message(FATAL_ERROR "fichier de données refusé")
endmacro()

# lecturiel_ecris_source(TYPE VALEUR TEXTE): writes to SORTIE the source
# TEXTE, then the definition of the constant NOM of type TYPE with VALEUR
# (declared extern first, since const gives it internal linkage otherwise).
function(lecturiel_ecris_source type valeur texte)
  string(APPEND texte "extern const ${type} ${NOM};\n")
  string(APPEND texte "const ${type} ${NOM} = ${valeur};\n")
  file(WRITE "${SORTIE}" "${texte}")
endfunction()

# lecturiel_source_de_donnees(CIBLE SOURCE NOM SCRIPT COMMENTAIRE): adds to
# CIBLE the source NOM.cpp, written in the build folder by SCRIPT (run as
# cmake -DSOURCE=... -DSORTIE=... -DNOM=... -P SCRIPT) whenever SOURCE or
# SCRIPT changes.
function(lecturiel_source_de_donnees cible source nom script commentaire)
  set(sortie ${CMAKE_CURRENT_BINARY_DIR}/${nom}.cpp)
  add_custom_command(OUTPUT ${sortie}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DSORTIE=${sortie} -DNOM=${nom} -P ${script}
    DEPENDS ${source} ${script} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "${commentaire}"
    VERBATIM)
  target_sources(${cible} PRIVATE ${sortie})
endfunction()
