#include "document/BoundedXml.h"

#include <QCoreApplication>

namespace voxtrel {
namespace {

// Whether some tag of Xml holds more than Most attributes. The reader itself compares every
// attribute of a tag with every other, so a tag of a million attributes would stall it: the
// bytes are looked at first. Every attribute's value is quoted, and a quoted value may hold
// '>' but never its own quote, so the values of a tag are counted exactly.
bool tooManyAttributes(const QByteArray& xml, int most) {
    bool inTag = false;
    char quote = 0; // the quote of the value being read, 0 outside one
    int values = 0;
    for (const char c : xml) {
        if (!inTag) {
            inTag = c == '<';
            values = 0;
        } else if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
            if (++values > most) {
                return true;
            }
        } else if (c == '>') {
            inTag = false;
        }
    }
    return false;
}

} // namespace

BoundedXml::BoundedXml(const QByteArray& Xml, Budget& Text) : m_Xml(Xml), m_Budget(Text) {
    if (tooManyAttributes(Xml, MaxAttributes)) {
        m_Problem = QCoreApplication::translate(
                        "voxtrel::BoundedXml",
                        "a tag holds more than %1 attributes, which a workbook never needs")
                        .arg(MaxAttributes);
    }
}

BoundedXml::Token BoundedXml::Next() {
    if (!m_Problem.isEmpty()) {
        return Token::Done;
    }
    if (m_Closing) {
        --m_Depth;
        m_Closing = false;
    }
    while (!m_Xml.atEnd()) {
        switch (m_Xml.readNext()) {
        case QXmlStreamReader::DTD:
            m_Problem = QCoreApplication::translate(
                "voxtrel::BoundedXml", "its XML declares entities, which a workbook never needs");
            return Token::Done;
        case QXmlStreamReader::StartElement:
            if (++m_Depth > MaxDepth) {
                m_Problem = QCoreApplication::translate("voxtrel::BoundedXml",
                                                        "its elements nest more than %1 deep")
                                .arg(MaxDepth);
                return Token::Done;
            }
            return Token::Start;
        case QXmlStreamReader::EndElement:
            m_Closing = true;
            return Token::End;
        case QXmlStreamReader::Characters:
            m_Budget.Left -= m_Xml.text().size();
            if (m_Budget.Left < 0) {
                m_Problem = QCoreApplication::translate(
                    "voxtrel::BoundedXml", "it holds more text than a list of names could");
                return Token::Done;
            }
            return Token::Text;
        default:
            break;
        }
    }
    if (m_Xml.hasError()) {
        m_Problem = QCoreApplication::translate("voxtrel::BoundedXml", "its XML is broken: %1")
                        .arg(m_Xml.errorString());
    }
    return Token::Done;
}

bool BoundedXml::SkipTo(int Depth) {
    for (Token token = Next(); token != Token::Done; token = Next()) {
        if (token == Token::End && m_Depth == Depth) {
            return true;
        }
    }
    return false;
}

} // namespace voxtrel
