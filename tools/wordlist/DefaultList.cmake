# SPDX-License-Identifier: GPL-2.0-or-later
# The default word list, list/kelvo.lst, made from WordNet's data files at build time (never
# committed), with WordNet's licence notice beside it.
set(QUIBBIX_WORDNET_DIR /usr/share/wordnet CACHE PATH "WordNet data files (Debian: wordnet-base)")
set(wordnet_files)
foreach(name index.noun index.verb index.adj index.adv data.noun data.verb data.adj data.adv cntlist.rev)
    if(NOT EXISTS ${QUIBBIX_WORDNET_DIR}/${name})
        message(FATAL_ERROR "${QUIBBIX_WORDNET_DIR}/${name} is missing: install wordnet-base "
                            "(make deps) or set QUIBBIX_WORDNET_DIR")
    endif()
    list(APPEND wordnet_files ${QUIBBIX_WORDNET_DIR}/${name})
endforeach()

set(default_list ${QUIBBIX_LIST_DIR}/kelvo.lst)
add_custom_command(
    OUTPUT ${default_list} ${QUIBBIX_LIST_DIR}/WordNet-LICENSE
    COMMAND quibbix-wordlist wordnet ${QUIBBIX_WORDNET_DIR} -o ${default_list}
            --licence-out ${QUIBBIX_LIST_DIR}/WordNet-LICENSE
    DEPENDS quibbix-wordlist ${wordnet_files}
    COMMENT "Building the default word list from WordNet"
    VERBATIM)
add_custom_target(quibbix_default_list ALL
    DEPENDS ${default_list} ${QUIBBIX_LIST_DIR}/WordNet-LICENSE)
