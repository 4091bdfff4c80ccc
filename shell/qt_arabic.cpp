#include "shell/qt_arabic.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Lectarium {

QString Without_Mnemonic(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
            out += QLatin1Char('&');
            ++i;
        }
    }
    return out;
}

namespace {

class Arabic_Without_Mnemonics final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        // Only Arabic texts lose their markers; an untranslated one stays as Qt wrote it.
        return text.isRightToLeft() ? Without_Mnemonic(text) : text;
    }
};

// Lives as long as the application: Qt keeps only a pointer to it.
Arabic_Without_Mnemonics& qtArabic() {
    static Arabic_Without_Mnemonics translator;
    return translator;
}

} // namespace

bool Install_Qt_Arabic() {
    Arabic_Without_Mnemonics& translator = qtArabic();
    if (translator.isEmpty() &&
        !translator.load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // Installed once, however often it is asked for.
    QCoreApplication::removeTranslator(&translator);
    return QCoreApplication::installTranslator(&translator);
}

void Remove_Qt_Arabic() {
    QCoreApplication::removeTranslator(&qtArabic());
}

} // namespace Lectarium
