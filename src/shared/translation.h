#pragma once

class QLocale;

// The program speaks English, and Canadian French when the user's language is French
// (any country: French speakers everywhere read the Canadian text). Its own texts and the
// standard texts of the toolkit (button captions like Yes and No) are translated together.
namespace Translation {
// Whether the program has a translation for the language of `locale`.
bool available(const QLocale &locale);

// Installs the translators for `locale` (replacing any installed before) and returns
// whether the program's own texts are now translated. English installs nothing. Needs
// the application object; windows built afterwards show the translated texts.
bool install(const QLocale &locale);

// Back to the original English texts.
void remove();
} // namespace Translation
