#pragma once
// A catalogue that gives every text it is asked for back as "[text]", for as
// long as it lives: a test sees which texts are looked up where they are shown
// (and which are compared or built after being looked up).

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <string>

class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* text, const char*, int) const override { return Marked(text); }

    static QString Marked(const char* text) { return QStringLiteral("[") + QString::fromUtf8(text) + QStringLiteral("]"); }
    static std::string MarkedStd(const char* text) { return Marked(text).toStdString(); }
};
