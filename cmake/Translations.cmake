# Translations: Qt Linguist catalogues in translations/, compiled by lrelease and embedded
# in lottocore under ":/i18n/". Included from src/CMakeLists.txt, after lottocore exists.
#
#   cmake --build <dir> --target update_translations   refreshes the .ts from the sources
#
# Every source file under src/ is scanned, the browser helper's too (it links lottocore and
# installs the same translators as the program).

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(LOTTO_TS_FILES ${PROJECT_SOURCE_DIR}/translations/lottoworla_fr_CA.ts)
file(GLOB_RECURSE LOTTO_TR_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)

qt_add_translations(lottocore
  TS_FILES ${LOTTO_TS_FILES}
  SOURCES ${LOTTO_TR_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -locations none -no-obsolete
  LRELEASE_OPTIONS -nounfinished)

# The translation test reruns lupdate over the sources: tell it where they and the tool are.
function(lotto_translation_test_paths)
  if(TARGET tst_ui_main_translation)
    target_compile_definitions(tst_ui_main_translation PRIVATE
      LOTTO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      LOTTO_LUPDATE="$<TARGET_FILE:Qt6::lupdate>")
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL lotto_translation_test_paths)
