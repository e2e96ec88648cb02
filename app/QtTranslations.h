#pragma once

class QLocale;
class QTranslator;

// Qt's own texts (Yes, No, Cancel, the file dialogs, the editing menus) in the user's language:
// loads Qt's installed translation for locale into translator and installs it. False when Qt
// has none for that language, and Qt's texts stay English.
bool loadQtTranslations(QTranslator& translator, const QLocale& locale);
