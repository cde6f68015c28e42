# The Aspell folder the program looks for beside its executable: <build>/Aspell/dict
# holds the English dictionaries, <build>/Aspell/data the language and character-set
# data. Debian links the compiled word lists to /var/lib/aspell, so every file is
# copied with its links resolved and the folder stands on its own once installed.
find_path(MIRT_ASPELL_DICT_SOURCE en_US.multi
  PATHS /usr/lib/aspell /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/aspell /usr/share/aspell
  NO_DEFAULT_PATH)
find_path(MIRT_ASPELL_DATA_SOURCE iso-8859-1.cset
  PATHS /usr/lib/aspell /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/aspell /usr/share/aspell
  NO_DEFAULT_PATH)
if(NOT MIRT_ASPELL_DICT_SOURCE OR NOT MIRT_ASPELL_DATA_SOURCE)
  message(FATAL_ERROR "GNU Aspell's English dictionaries were not found; "
                      "tools/install_deps.sh installs aspell-en")
endif()

set(MIRT_ASPELL_FOLDER ${CMAKE_BINARY_DIR}/Aspell)

# Copies each file's content (a link is read through) into the folder.
function(mirt_copy_resolved dest)
  file(MAKE_DIRECTORY ${dest})
  foreach(source IN LISTS ARGN)
    get_filename_component(name ${source} NAME)
    file(COPY_FILE ${source} ${dest}/${name} ONLY_IF_DIFFERENT)
  endforeach()
endfunction()

# Dictionaries: the English word lists, the .multi files that group them and the
# aliases that lead to them; other languages' files are left out.
file(GLOB _mirt_en_dicts ${MIRT_ASPELL_DICT_SOURCE}/en*.multi ${MIRT_ASPELL_DICT_SOURCE}/en*.rws)
file(GLOB _mirt_aliases ${MIRT_ASPELL_DICT_SOURCE}/*.alias)
foreach(alias IN LISTS _mirt_aliases)
  file(STRINGS ${alias} _mirt_alias_adds REGEX "^add en[-_.]")
  if(_mirt_alias_adds)
    list(APPEND _mirt_en_dicts ${alias})
  endif()
endforeach()
if(NOT EXISTS ${MIRT_ASPELL_DICT_SOURCE}/en-common.rws)
  message(FATAL_ERROR "${MIRT_ASPELL_DICT_SOURCE}/en-common.rws is missing: "
                      "aspell-en's compiled word lists were not built")
endif()
mirt_copy_resolved(${MIRT_ASPELL_FOLDER}/dict ${_mirt_en_dicts})

# Language data (affixes, sounds-like rules) and the character sets and keyboards.
file(GLOB _mirt_aspell_data
  ${MIRT_ASPELL_DICT_SOURCE}/en*.dat
  ${MIRT_ASPELL_DATA_SOURCE}/*.cset
  ${MIRT_ASPELL_DATA_SOURCE}/*.cmap
  ${MIRT_ASPELL_DATA_SOURCE}/*.kbd)
mirt_copy_resolved(${MIRT_ASPELL_FOLDER}/data ${_mirt_aspell_data})

install(DIRECTORY ${MIRT_ASPELL_FOLDER} DESTINATION lib/mirt)
