#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Bible rows for the search tests: the text is stored scrambled, as the program keeps it.
struct Search_Row {
    int book = 1; // 1..73
    int chapter = 1;
    int verse = 1;
    QString text;
};

// Writes a Lectarium.mdb holding only these rows, in this order. Returns an empty
// string or the reason it failed.
QString Write_Search_Fixture(const QString& path, const QList<Search_Row>& rows);
// The bytes of such a file.
QByteArray Search_Fixture_Bytes(const QList<Search_Row>& rows);

// A text of exactly `length` characters: the word, then filler that holds no Arabic letter.
QString Padded_Text(const QString& word, int length);
