// The small typed XML layer shared by every data file of the program.
//
// A document is read whole into memory with pugixml, keeping whitespace-only text
// inside leaf elements (the protocol lists are made of spaces), and saved whole through
// QSaveFile, so that a failed save leaves the previous file as it was. Element handles
// (XmlPrvek) are cheap views into a document and stay valid while it lives.
#pragma once

#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <vector>

class XmlPrvek {
public:
    XmlPrvek() = default;
    explicit XmlPrvek(pugi::xml_node uzel) : uzel_(uzel) {}

    bool platny() const { return !uzel_.empty(); }
    QString jmeno() const;
    pugi::xml_node uzel() const { return uzel_; }
    bool operator==(const XmlPrvek& jiny) const { return uzel_ == jiny.uzel_; }

    // Text of the first child element of that name; a missing child reads as "".
    QString text(const char* potomek) const;
    // Sets the child's text, creating the child as the last one when it is missing.
    void nastavText(const char* potomek, const QString& hodnota);

    // Child elements of one name ("items"), by 0-based position among themselves.
    int pocetPolozek(const char* jmeno) const;
    std::vector<XmlPrvek> polozky(const char* jmeno) const;
    // Inserts a new empty item before the index-th item (index = count appends).
    XmlPrvek vlozPolozku(const char* jmeno, int index);
    // Walking the items without counting: the first item, and the item after this one.
    XmlPrvek prvniPolozka(const char* jmeno) const { return XmlPrvek(uzel_.child(jmeno)); }
    XmlPrvek dalsiPolozka(const char* jmeno) const { return XmlPrvek(uzel_.next_sibling(jmeno)); }
    // Position of this very element among the items, or -1.
    int indexPolozky(const char* jmeno, const XmlPrvek& polozka) const;
    void odeber(const XmlPrvek& potomek);
    // The element as it would be saved (UTF-8, no indentation): its exact content.
    QByteArray doBajtu() const;

private:
    pugi::xml_node uzel_;
};

class XmlDokument {
public:
    XmlDokument(XmlDokument&&) noexcept;
    XmlDokument& operator=(XmlDokument&&) noexcept;
    ~XmlDokument();

    // Reads a file. Throws KolomatChyba naming the file and what is wrong with it
    // (missing, unreadable, not UTF-8 or its declared encoding, parser error with line
    // and column, or a root element other than koren when one is given).
    static XmlDokument nacti(const QString& soubor, const char* koren = nullptr);
    // Parses bytes as if read from the named file (same checks as nacti).
    static XmlDokument zBajtu(const QByteArray& data, const QString& soubor,
                              const char* koren = nullptr);
    // A new document with the declaration version "1.0" and an empty root.
    static XmlDokument novy(const char* koren);

    XmlPrvek koren() const;
    // A deep copy, for changes that must reach the disk before they reach this document.
    XmlDokument kopie() const;

    // Writes the whole document (declaration version "1.0", no encoding, UTF-8, no
    // indentation) atomically. Throws KolomatChyba when it cannot.
    void uloz(const QString& soubor) const;
    QByteArray doBajtu() const;

private:
    XmlDokument();
    // The bytes parsed in place: the document's unchanged texts point into them.
    QByteArray zdroj_;
    std::unique_ptr<pugi::xml_document> dokument_;
};

// Replaces a file with new content atomically (QSaveFile: write, then rename), so that a
// failed save leaves the previous file as it was. Throws KolomatChyba naming the file.
void ZapisSoubor(const QString& soubor, const QByteArray& data);

// Converts child text to a 32-bit integer; throws KolomatChyba naming the file, the
// element and the value when it is missing, empty or not a decimal number.
int textNaCislo(const QString& text, const QString& soubor, const char* prvek);
