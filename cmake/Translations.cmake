# Translations: Qt Linguist catalogues in translations/, compiled by lrelease and embedded
# in lottoshared under ":/i18n/". Included from src/shared/CMakeLists.txt, after lottoshared
# exists.
#
#   cmake --build <dir> --target update_translations   refreshes the .ts from the sources
#
# Every source file under src/ is scanned, the browser helper's too (it installs the same
# translators as the program).

set(LOTTO_TS_FILES ${PROJECT_SOURCE_DIR}/translations/lottoworla_fr_CA.ts)
file(GLOB_RECURSE LOTTO_TR_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)

qt_add_translations(lottoshared
  TS_FILES ${LOTTO_TS_FILES}
  SOURCES ${LOTTO_TR_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -locations none -no-obsolete
  LRELEASE_OPTIONS -nounfinished)
