// A store of records in one XML file: a root element and one item element per record,
// shared by all profiles. The study results (Vysledky.xml) and the test protocols
// (Protokoly.xml) are two such stores.
//
// A document read from the file is a snapshot. Every change works on the file as it is
// at the moment of the change: an append reads the file anew and adds to it, and a
// delete reads it anew and removes there the records it was asked for, found by their
// position and their exact content. So a list window that has been open for a while
// never writes back an old copy over records that reached the file since, and records
// it could not read itself are carried over untouched.
#pragma once

#include "core/chyba.h"
#include "core/pomocne_fce.h"
#include "core/xml_dokument.h"

#include <QString>

#include <vector>

// Popis describes the file: static QString soubor(), and the element names koren and
// polozka as static constexpr const char*. Zaznam is the typed view of one item: it is
// made from an XmlPrvek, gives it back with Prvek() and its owner's name with Profil().
template <class Zaznam, class Popis> class TXMLZaznamy {
public:
    // Parses the file; throws KolomatChyba when it is missing or cannot be read.
    static TXMLZaznamy Nacti() {
        return TXMLZaznamy(XmlDokument::nacti(Popis::soubor(), Popis::koren));
    }
    // A new document with the declaration and an empty root, in memory.
    static TXMLZaznamy Novy() { return TXMLZaznamy(XmlDokument::novy(Popis::koren)); }
    // The file as it is now, or a new document when there is none. A file that is there
    // but cannot be read throws: it must never be taken for an empty one.
    static TXMLZaznamy NactiNeboNovy() { return SouborNaDisku(Popis::soubor()) ? Nacti() : Novy(); }
    // Appends one record, filled by vypln(Zaznam&), to the file as it is now, and saves.
    template <class Vypln> static void Pripoj(Vypln&& vypln) {
        TXMLZaznamy koren = NactiNeboNovy();
        Zaznam z = koren.Add();
        vypln(z);
        koren.Uloz();
    }

    int Count() const { return koren().pocetPolozek(Popis::polozka); }
    // By 0-based position; throws KolomatChyba for a position that is not there.
    Zaznam operator[](int index) const {
        int i = 0;
        for (XmlPrvek p = koren().prvniPolozka(Popis::polozka); p.platny();
             p = p.dalsiPolozka(Popis::polozka))
            if (i++ == index)
                return Zaznam(p);
        throw KolomatChyba(QStringLiteral("Záznam %1 v souboru \"%2\" neexistuje.")
                               .arg(index + 1)
                               .arg(Popis::soubor()));
    }
    // Inserts an empty record at index (index = Count() appends).
    Zaznam Insert(int index) { return Zaznam(koren().vlozPolozku(Popis::polozka, index)); }
    Zaznam Add() { return Insert(Count()); }
    void Delete(int index) { Odeber((*this)[index]); }
    // Position of this very record (identity, not equal content), or -1.
    int IndexOf(const Zaznam& zaznam) const {
        return koren().indexPolozky(Popis::polozka, zaznam.Prvek());
    }
    // All records in file order.
    std::vector<Zaznam> Zaznamy() const {
        std::vector<Zaznam> zaznamy;
        for (XmlPrvek p = koren().prvniPolozka(Popis::polozka); p.platny();
             p = p.dalsiPolozka(Popis::polozka))
            zaznamy.emplace_back(p);
        return zaznamy;
    }
    // Removes a record from this document only.
    void Odeber(const Zaznam& zaznam) { koren().odeber(zaznam.Prvek()); }
    // Removes, in this document only, every record whose Profil is exactly that name;
    // returns how many went.
    int OdeberProfil(const QString& profil) {
        int odebrano = 0;
        for (const Zaznam& z : Zaznamy()) {
            if (z.Profil() == profil) {
                Odeber(z);
                ++odebrano;
            }
        }
        return odebrano;
    }
    // Saves the whole document as the file; throws KolomatChyba when it cannot.
    void Uloz() const { dokument_.uloz(Popis::soubor()); }

    // Deletes records of this document from the file as it is now and saves it; then
    // from this document too. A record that the file no longer holds is only dropped
    // here. When the file cannot be read or saved (KolomatChyba), the file and this
    // document both stay as they were. Returns how many records left the file.
    int OdeberAUloz(const std::vector<Zaznam>& zaznamy) {
        std::vector<std::pair<int, QByteArray>> hledane; // position and content
        std::vector<Zaznam> zde;
        for (const Zaznam& z : zaznamy) {
            const int pozice = IndexOf(z);
            if (pozice < 0)
                continue;
            hledane.emplace_back(pozice, z.Prvek().doBajtu());
            zde.push_back(z);
        }
        if (hledane.empty())
            return 0;

        TXMLZaznamy ted = NactiNeboNovy();
        const std::vector<XmlPrvek> polozky = ted.koren().polozky(Popis::polozka);
        std::vector<bool> vybrana(polozky.size(), false);
        std::vector<XmlPrvek> odebrat;
        const auto vezmi = [&](size_t i, const QByteArray& obsah) {
            if (vybrana[i] || polozky[i].doBajtu() != obsah)
                return false;
            vybrana[i] = true;
            odebrat.push_back(polozky[i]);
            return true;
        };
        for (const auto& [pozice, obsah] : hledane) {
            const auto i = static_cast<size_t>(pozice);
            if (i < polozky.size() && vezmi(i, obsah))
                continue;
            // Moved (records before it went meanwhile): the first unclaimed alike one.
            for (size_t j = 0; j < polozky.size(); ++j)
                if (vezmi(j, obsah))
                    break;
        }
        if (!odebrat.empty()) {
            for (const XmlPrvek& p : odebrat)
                ted.koren().odeber(p);
            ted.Uloz();
        }
        for (const Zaznam& z : zde)
            Odeber(z);
        return static_cast<int>(odebrat.size());
    }

private:
    explicit TXMLZaznamy(XmlDokument dokument) : dokument_(std::move(dokument)) {}
    XmlPrvek koren() const { return dokument_.koren(); }

    XmlDokument dokument_;
};
