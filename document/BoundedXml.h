#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

namespace voxtrel {

// One XML part of a package read token by token, with bounds that no input passes: elements
// nest at most MaxDepth deep, a tag holds at most MaxAttributes attributes, the text read
// from all parts together is at most the budget, and a document type declaration (with its
// entities) is refused at once. Past a bound reading stops, and Problem says why.
class BoundedXml {
public:
    static constexpr int MaxDepth = 64;
    static constexpr int MaxAttributes = 64;

    // Characters of text that every part of one package may hold together.
    struct Budget {
        qint64 Left = 0;
    };

    // Xml and Text must outlive the reader.
    BoundedXml(const QByteArray& Xml, Budget& Text);

    enum class Token { Start, End, Text, Done };
    // The next start, end or text; Done at the end of the part or at the first problem.
    [[nodiscard]] Token Next();
    // The depth of the element just started or ended (1 for the root).
    [[nodiscard]] int Depth() const { return m_Depth; }
    [[nodiscard]] QStringView Name() const { return m_Xml.name(); }
    [[nodiscard]] QStringView Text() const { return m_Xml.text(); }
    [[nodiscard]] QStringView Attribute(const QString& Name) const {
        return m_Xml.attributes().value(Name);
    }
    [[nodiscard]] QStringView Attribute(const QString& Namespace, const QString& Name) const {
        return m_Xml.attributes().value(Namespace, Name);
    }
    // Reads on past the end of the element at Depth; false when the part ended first.
    [[nodiscard]] bool SkipTo(int Depth);
    // Why reading stopped before the end; empty while nothing went wrong.
    [[nodiscard]] QString Problem() const { return m_Problem; }

private:
    QXmlStreamReader m_Xml;
    Budget& m_Budget;
    int m_Depth = 0;
    bool m_Closing = false; // the last token ended an element
    QString m_Problem;
};

} // namespace voxtrel
