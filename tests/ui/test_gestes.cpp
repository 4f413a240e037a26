// The window as the player uses it, by the mouse and the keys: what the board, the panels over it,
// the message line and the start button show after the player's gestures; the saved games the
// panel lists, opens and deletes; the button labels under the mouse; moving the window by its
// body.

#include "OutilsFenetre.h"

#include <QDesktopServices>
#include <QDir>

using namespace outils;

class TestGestes : public QObject {
    Q_OBJECT

    QStringList ouvertes_;

public slots:
    void Ouvrir(const QUrl& adresse) { ouvertes_ << adresse.toString(); }

private slots:
    void gestes_data() {
        const QString damier = QStringLiteral("non/ono/nononon/ono.ono/nononon/ono/non");
        const QString fichier = QStringLiteral(".../.o./......./...o.../......./.../..."); // 4, 16
        Colonnes();
        Ligne("startUp", "", Plein, Choisir);
        Ligne("firstHoleThenAJumpIntoIt", "42 44>42", "ooo/.oo/oo.oooo/ooooooo/ooooooo/ooo/ooo",
              Reste31);
        Ligne("goOpensTheCentre", "B3", OuvertureCentre, "");
        Ligne("goDuringAGameResets", "B3 53>55 B3", Plein, Choisir);
        Ligne("dropOnAnEmptyHoleJumps", "B3 53>55", Apres1, Reste31);
        Ligne("refusedDropChangesNothing", "B3 44>55", OuvertureCentre, "");
        Ligne("dropOffTheMarblesChangesNothing", "B3 53>B3", OuvertureCentre, "");
        Ligne("pressOnAHoleDragsNothing", "B3 55>53", OuvertureCentre, "");
        Ligne("undo", "B3 53>55 B5", OuvertureCentre, "Il reste 32 billes.");
        Ligne("redo", "B3 53>55 B5 B6", Apres1, Reste31);
        Ligne("undoKey", "B3 53>55 touche:Ctrl+Z", OuvertureCentre, "Il reste 32 billes.");
        Ligne("redoKey", "B3 53>55 B5 touche:Ctrl+Y", Apres1, Reste31);
        Ligne("redoShiftKey", "B3 53>55 B5 touche:Ctrl+Shift+Z", Apres1, Reste31);
        Ligne("rightClickAddsAMarble", "B3 53>55 droit:53",
              "ooo/ooo/ooo.ooo/ooooooo/ooooooo/ooo/ooo", Reste31);
        Ligne("checkerboard", "B3 B1", damier, "");
        Ligne("checkerboardOff", "B3 B1 B1", OuvertureCentre, "");
        Ligne("aJumpTakesItsHolesColour", "B3 B1 53>55", "non/o.o/non.non/ononono/nononon/ono/non",
              Reste31);
        Ligne("help", "B2", "FraAIDE", "");
        Ligne("helpClosedByItsLabel", "B2 B2", Plein, Choisir);
        Ligne("helpClosedByFermer", "B2 Command1", Plein, Choisir);
        // What is written under the panel is what shows once it closes.
        Ligne("newGameUnderHelp", "42 44>42 B2 B3 B2", Plein, Choisir);
        Ligne("undoUnderHelp", "B3 53>55 34>54 B2 B5 Command1", Apres1, Reste31);
        Ligne("helpThenSave", "B2 I0", "Text1", "");
        Ligne("fileOverHelpKeepsTheMessage", "B3 53>55 B2 I1 Command6", Apres1, Reste31);
        Ligne("helpIgnoredUnderTheFilePanel", "I1 B2", "File1", "");
        Ligne("saveThenOpen", "I0 I1", "File1", "");
        Ligne("cancelPutsTheGameBack", "B3 53>55 I1 Command6", Apres1, Reste31);
        Ligne("savedThenOpened",
              "B3 53>55 I0 nom:partie Command2 B3 I1 choisir:partie.Mbo Command2", Apres1, Reste31);
        Ligne("openedByADoubleClickFreshRecord", "ecrire:a.Mbo B3 53>55 I1 ouvrir:a.Mbo B5",
              fichier, "Il reste 2 billes.");
        Ligne("openedGameIsUnderWay", "ecrire:a.Mbo I1 choisir:a.Mbo Command2 55", fichier,
              "Il reste 2 billes.");
        // Nothing opened leaves the start as it was, and a game under way under way.
        Ligne("openingNothingKeepsTheStart", "I1 Command2 53", Trou53, "");
        Ligne("openingAVanishedGameKeepsTheStart",
              "ecrire:a.Mbo I1 choisir:a.Mbo effacer:a.Mbo Command2 53", Trou53, "");
        Ligne("openingNothingKeepsTheGame", "B3 I1 Command2 53>55", Apres1, Reste31);
        Ligne("vanishedGameIsToldBoardKept",
              "ecrire:a.Mbo B3 53>55 I1 choisir:a.Mbo effacer:a.Mbo Command2", Apres1,
              "Cette partie n'existe plus.");
        Ligne("refusedNameIsToldAndKept", "B3 53>55 I0 nom:a/b Command2 I1 Command6", Apres1,
              "Caractère interdit dans le nom.");
        Ligne("emptyNameSavesNothing", "B3 53>55 I0 nom: Command2 I1 Command6", Apres1, Reste31);
        Ligne("buildModeRemovesAndAdds", "B3 53>55 I1 Command3 44 droit:53",
              "ooo/ooo/oo..ooo/ooooooo/ooooooo/ooo/ooo Frame1", Reste31);
        Ligne("buildModeOkStartsThere", "I1 Command3 55 53 droit:55 Command5 B5 44", Trou53,
              "Il reste 32 billes.");
    }
    void gestes() { VerifierLigne(); }

    // Each case: the gestures, then "=" and the start button's caption.
    void legendeDeDepart() {
        for (const QString cas :
             {"=GO", "B3=Nouvelle partie", "25=Nouvelle partie", "B3 B3=GO !", "I1=Nouvelle partie",
              "I0=GO", "I1 Command3 Command5=GO !", "I0 Command6 touche:Ctrl+C,Ctrl+V=GO"}) {
            const Fenetre w(cas.section('=', 0, 0));
            QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("B3"))->text(), cas.section('=', 1));
        }
    }

    // One label at a time is bold, the last one the mouse went over, until it reaches the body.
    // Each case: where the mouse goes, then "=" and the bold label.
    void grasSousLaSouris() {
        const Fenetre w;
        for (const QString cas : {"B3=3", "B5=5", "B6=6", "53=6", "corps=", "B0=0"}) {
            QTest::mouseMove(w.f.windowHandle(), Point(w.f, cas.section('=', 0, 0)));
            QString gras;
            for (const QChar i : QStringLiteral("0123456")) {
                gras +=
                    Controle(w.f, QStringLiteral("BOUTON") + i)->font().bold() ? QString(i) : "";
            }
            QCOMPARE(gras, cas.section('=', 1));
        }
    }

    // Offscreen there is no system move: the window follows the pointer until the release, and
    // then the slider window is placed beside it again. Alone, that one keeps no program running.
    void leCorpsDeplaceLaFenetre() {
        Fenetre w(QStringLiteral("B3 B0"));
        const QPoint avant = w.f.pos();
        QCOMPARE(Curseur()->window()->pos(), avant + QPoint(410, 139));
        QTest::mousePress(w.f.windowHandle(), Qt::LeftButton, {}, {40, 200});
        QTest::mouseMove(w.f.windowHandle(), {100, 240});
        QTest::mouseRelease(w.f.windowHandle(), Qt::LeftButton, {}, {40, 200});
        QTest::mouseMove(w.f.windowHandle(), {10, 10});
        QCOMPARE(w.f.pos(), avant + QPoint(60, 40));
        QCOMPARE(Curseur()->window()->pos(), w.f.pos() + QPoint(410, 139));
        QVERIFY(!Curseur()->window()->testAttribute(Qt::WA_QuitOnClose));
        // Neither are the waiting dots nor the icons.
        Controle(w.f, QStringLiteral("Frame5"))->show();
        Jouer(w.f, QStringLiteral("SHwait0>corps I0>corps B3"));
        QCOMPARE(w.f.pos(), avant + QPoint(60, 40));
        // The marble pressed as the first hole is gone: nothing is dragged.
        QTest::mousePress(w.f.windowHandle(), Qt::LeftButton, {}, Point(w.f, "55"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QTest::mouseRelease(w.f.windowHandle(), Qt::LeftButton, {}, Point(w.f, "55"));
    }

    // Saved games whatever the case of their extension; the list follows the folder, which the
    // waste bin changes only when a game is chosen: after a deletion none is.
    void laListeSuitLeDossier() {
        Fenetre w(QStringLiteral("ecrire:b.mbo ecrire:A.MBO ecrire:c.Mbo ecrire:notes.txt "
                                 "ecrire:d.Mbo.bak ecrire:.e.Mbo I0 Command6 I1"));
        QVERIFY(QDir(w.dossier.path()).mkdir(QStringLiteral("f.Mbo")));
        const auto* liste = Controle<QListView>(w.f, QStringLiteral("File1"));
        const auto noms = [liste] {
            QStringList noms;
            for (int i = 0; i < liste->model()->rowCount(liste->rootIndex()); ++i) {
                noms << liste->model()->index(i, 0, liste->rootIndex()).data().toString();
            }
            noms.sort();
            return noms;
        };
        QTRY_COMPARE(noms(), (QStringList{"A.MBO", "b.mbo", "c.Mbo"}));
        Jouer(w.f, QStringLiteral("ecrire:g.Mbo choisir:b.mbo Command4 Command4"));
        QTRY_COMPARE(noms(), (QStringList{"A.MBO", "c.Mbo", "g.Mbo"}));
        QVERIFY(!Controle<QListView>(w.f, "File1")->selectionModel()->hasSelection());
        QCOMPARE(Vue(w.f), QStringLiteral("File1"));
        QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("Label1"))->text(),
                 QStringLiteral("Sélectionnez le fichier puis cliquez sur ''Ouvrir''"));
        QCOMPARE(Controle(w.f, QStringLiteral("Command2"))->property("text").toString(),
                 QStringLiteral("Ouvrir"));
    }

    // The help panel's links open the mail to the author, with the version, and two pages.
    void liensDeLAide() {
        for (const char* schema : {"mailto", "https"}) {
            QDesktopServices::setUrlHandler(schema, this, "Ouvrir");
        }
        Fenetre w(QStringLiteral("B2 Label2 Label4 Label6 Label5"));
        QCOMPARE(ouvertes_,
                 (QStringList{"mailto:auteur@example.org?subject=Marbello V" MARBELLO_VERSION,
                              "https://auteur.example.org/",
                              "https://ludopolis.example.org/articles/marbello"}));
        for (const char* schema : {"mailto", "https"}) {
            QDesktopServices::unsetUrlHandler(schema);
        }
    }

    void leNomProposeEstLaDateToutSelectionnee() {
        Fenetre w;
        w.f.Aujourdhui = [] { return QDate(2027, 1, 1); };
        Jouer(w.f, QStringLiteral("I0"));
        const auto* texte = Controle<QLineEdit>(w.f, QStringLiteral("Text1"));
        QCOMPARE(texte->selectedText(), QStringLiteral("1-1-2027"));
        QCOMPARE(texte->geometry(), QRect(64, 142, 122, 17)); // over the list's place
        QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("Label1"))->text(),
                 QStringLiteral("Donnez un nom au fichier puis cliquez sur ''Enregistrer''"));
        QCOMPARE(texte->text(), texte->selectedText());
        QCOMPARE(QApplication::focusWidget(), texte);
        QCOMPARE(texte->accessibleDescription(), texte->text()); // read whole by a screen reader
    }
};

QTEST_MAIN(TestGestes)
#include "test_gestes.moc"
