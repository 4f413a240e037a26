#include "ui/Clavier.h"

#include "ui/Apparence.h"
#include "ui/CurseurPlateau.h"
#include "ui/Explication.h"
#include "ui/FMarbello.h"
#include "ui/MarqueGagnable.h"
#include "ui/Vignette.h"

#include <QAction>
#include <QClipboard>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace marbello {

namespace {

// The nine skinned controls in the order of their pills, top to bottom, with each one's pill (the
// two halves of the seventh for "<<<" and ">>>").
struct Pilule {
    bool icone; // Image1, otherwise BOUTON
    size_t indice;
    QRect place;
};
const std::array<Pilule, 9> Pilules{{
    {false, 0, {306, 5, 132, 27}},
    {false, 2, {339, 38, 99, 27}},
    {false, 1, {372, 71, 66, 27}},
    {true, 0, {395, 104, 43, 27}},
    {true, 1, {395, 270, 43, 27}},
    {false, 4, {372, 303, 66, 26}},
    {false, 5, {339, 336, 49, 27}},
    {false, 6, {388, 336, 50, 27}},
    {false, 3, {306, 369, 132, 26}},
}};

// Drawn inside the pill, which the window's outline would otherwise cut.
class MarqueFocus : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter peintre(this);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setPen(QPen(QColor(255, 210, 0), 2.0));
        const QRectF cadre = QRectF(rect()).adjusted(2, 2, -2, -2);
        peintre.drawRoundedRect(cadre, cadre.height() / 2, cadre.height() / 2);
    }
};

bool EstValidation(const QKeyEvent* touche) {
    return (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) &&
           (touche->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

Clavier::Clavier(FMarbello& fenetre) : QObject(&fenetre), f_(fenetre) {
    setObjectName(QStringLiteral("Clavier"));
    menu_ = new QMenu(&f_);
    menu_->setObjectName(QStringLiteral("MenuContextuel"));
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        // Outside the menu every key runs its handler, which does its own checks.
        for (const Entree& entree : entrees_) {
            entree.action->setEnabled(true);
        }
    });
    CreerMenu();

    Raccourci({Qt::Key_Escape}, [this] { Echapper(); });
    Raccourci({Qt::Key_PageUp}, [this] { Rejouer(QAbstractSlider::SliderPageStepSub); });
    Raccourci({Qt::Key_PageDown}, [this] { Rejouer(QAbstractSlider::SliderPageStepAdd); });
    Raccourci({Qt::Key_Home}, [this] { Rejouer(QAbstractSlider::SliderToMinimum); });
    Raccourci({Qt::Key_End}, [this] { Rejouer(QAbstractSlider::SliderToMaximum); });
    Raccourci({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
              [this] {
                  if (f_.ModeConstruction()) {
                      f_.Command5->click();
                  }
              });
    Raccourci({Qt::Key_Menu, QKeySequence(Qt::SHIFT | Qt::Key_F10)}, [this] {
        const QWidget* focus = f_.focusWidget();
        const CurseurPlateau& curseur = f_.CurseurClavier();
        if (focus == nullptr || focus == &curseur) {
            const Cellule c = curseur.Curseur();
            focus = f_.imgBille[static_cast<size_t>(NumeroBille(c.x, c.y))];
        }
        MontrerMenu(focus->mapToGlobal(focus->rect().center()));
    });
    f_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&f_, &QWidget::customContextMenuRequested, this,
            [this](QPoint place) { MontrerMenu(f_.mapToGlobal(place)); });
    for (Vignette* bille : f_.imgBille) {
        bille->setContextMenuPolicy(Qt::PreventContextMenu); // a right press there adds a marble
    }
    RelierFocus();
}

// Every action of the window, with its key, in the design's words where it has them.
void Clavier::CreerMenu() {
    const auto libre = [this] { return !f_.RechercheEnCours; };
    const auto& jeu = f_.Jeu();
    Ajouter(
        QStringLiteral("Nouvelle partie"), {QKeySequence::New}, [this] { f_.BOUTON_Click(3); },
        libre);
    Ajouter(
        QStringLiteral("Reculer d'un coup"), {QKeySequence::Undo}, [this] { f_.BOUTON_Click(5); },
        [&jeu, libre] { return libre() && jeu.CoupCourant() > 0; });
    Ajouter(
        QStringLiteral("Avancer d'un coup"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y),
         QKeySequence::Redo},
        [this] { f_.BOUTON_Click(6); },
        [&jeu, libre] { return libre() && jeu.CoupCourant() < jeu.CoupMax(); });
    Ajouter(
        TexteDamier, {Qt::Key_D}, [this] { f_.BOUTON_Click(1); }, {},
        [this] { return f_.ModeDamier(); });
    chercher_ = Ajouter(TexteChercher, {Qt::Key_S}, [this] { f_.BOUTON_Click(0); });
    Ajouter(QStringLiteral("Indice"), {Qt::Key_H}, [this] { f_.DemanderIndice(); });
    Ajouter(
        QStringLiteral("Indiquer si la partie peut encore être gagnée"), {Qt::Key_I},
        [this] { f_.BasculerMarque(); }, {}, [this] { return f_.marque_->Active(); });
    Ajouter(
        QStringLiteral("Pourquoi est-ce perdu ?"), {Qt::Key_P},
        [this] { f_.explication_->Montrer(); }, [this] { return f_.explication_->Expliquable(); });
    Ajouter(
        QStringLiteral("Enregistrer la partie en cours"), {QKeySequence::Save},
        [this] { f_.Image1_Click(0); }, libre);
    Ajouter(
        QStringLiteral("Ouvrir une partie"), {QKeySequence::Open}, [this] { f_.Image1_Click(1); },
        libre);
    Ajouter(
        QStringLiteral("A Propos / Aide"), {QKeySequence::HelpContents},
        [this] { f_.BOUTON_Click(2); }, [this] { return !f_.FraOpenClose->isVisibleTo(&f_); });
    Ajouter(QStringLiteral("Quitter"), {QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
            [this] { f_.BOUTON_Click(4); });
    menu_->addSeparator();
    Ajouter(
        QStringLiteral("Copier la position"), {QKeySequence::Copy}, [this] { CopierPosition(); },
        libre);
    Ajouter(
        QStringLiteral("Coller une position"), {QKeySequence::Paste}, [this] { CollerPosition(); },
        [this, libre] { return libre() && !f_.PanneauOuvert(); });
}

QAction* Clavier::Ajouter(const QString& texte, const QList<QKeySequence>& touches,
                          const std::function<void()>& faire, std::function<bool()> permis,
                          std::function<bool()> coche) {
    auto* action = new QAction(texte, &f_);
    QList<QKeySequence> sans;
    for (const QKeySequence& touche : touches) {
        if (!touche.isEmpty() && !sans.contains(touche)) {
            sans << touche;
        }
    }
    action->setShortcuts(sans);
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setCheckable(static_cast<bool>(coche));
    connect(action, &QAction::triggered, this, [this, faire] {
        f_.CurseurClavier().Poser();
        faire();
    });
    f_.addAction(action);
    menu_->addAction(action);
    entrees_.push_back({action, std::move(permis), std::move(coche)});
    return action;
}

void Clavier::Raccourci(const QList<QKeySequence>& touches, const std::function<void()>& faire) {
    auto* action = new QAction(&f_);
    action->setShortcuts(touches);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, faire);
    f_.addAction(action);
}

void Clavier::MontrerMenu(QPoint global) {
    for (const Entree& entree : entrees_) {
        entree.action->setEnabled(!entree.permis || entree.permis());
        entree.action->setChecked(entree.coche && entree.coche());
    }
    chercher_->setText(f_.BOUTON[0]->text());
    menu_->popup(global);
}

// Tab goes from the board through the pills from top to bottom, then to the build panel's "OK",
// next by creation. While a panel covers the board, it goes through the panel's controls only.
void Clavier::RelierFocus() {
    marque_ = new MarqueFocus(&f_);
    marque_->setObjectName(QStringLiteral("MarqueFocus"));
    marque_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marque_->hide();
    QWidget* precedent = &f_.CurseurClavier();
    for (size_t i = 0; i < Pilules.size(); ++i) {
        QWidget* bouton = Pilules[i].icone ? static_cast<QWidget*>(f_.Image1[Pilules[i].indice])
                                           : f_.BOUTON[Pilules[i].indice];
        bouton->setFocusPolicy(Qt::TabFocus);
        bouton->installEventFilter(this);
        QWidget::setTabOrder(precedent, bouton);
        precedent = boutons_[i] = bouton;
    }
    for (QWidget* controle : std::initializer_list<QWidget*>{
             f_.FraOpenClose, f_.FraAIDE, f_.Frame1, f_.File1, f_.Command1, f_.Command2,
             f_.Command3, f_.Command4, f_.Command5, f_.Command6}) {
        controle->installEventFilter(this);
    }
    // The help panel's links, reached by Tab between its text and "Fermer".
    QWidget::setTabOrder(f_.Label6, f_.Label4);
    QWidget::setTabOrder(f_.Label4, f_.Label2);
    QWidget::setTabOrder(f_.Label2, f_.Command1);
    for (QLabel* lien : {f_.Label6, f_.Label4, f_.Label2}) {
        lien->setFocusPolicy(Qt::TabFocus);
        lien->installEventFilter(this);
    }
    connect(f_.Text1, &QLineEdit::returnPressed, f_.Command2, &QPushButton::click);
    connect(&f_, &FMarbello::PanneauChange, this, &Clavier::Panneau);
}

bool Clavier::eventFilter(QObject* objet, QEvent* event) {
    const auto type = event->type();
    // Read only for the key events.
    const auto touche = [event] { return static_cast<const QKeyEvent*>(event); };
    if (objet == f_.FraOpenClose || objet == f_.FraAIDE || objet == f_.Frame1) {
        if (type == QEvent::Show && objet == f_.FraAIDE) {
            f_.Command1->setFocus(Qt::OtherFocusReason);
        } else if (type == QEvent::Hide && objet == f_.Frame1) {
            Panneau(false);
        }
        return false;
    }
    // A single letter is the focused control's: the list's search by first letter, not a
    // shortcut. Only the board and the pills give letters to the shortcuts.
    if (type == QEvent::ShortcutOverride &&
        std::find(boutons_.begin(), boutons_.end(), objet) == boutons_.end()) {
        const auto* cle = touche();
        if ((cle->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 &&
            cle->key() >= Qt::Key_A && cle->key() <= Qt::Key_Z) {
            event->accept();
            return true;
        }
    }
    if (objet == f_.Label2 || objet == f_.Label4 || objet == f_.Label6) {
        if (type == QEvent::KeyPress &&
            (EstValidation(touche()) || touche()->key() == Qt::Key_Space)) {
            objet == f_.Label2 ? f_.Label2_Click()
                               : (objet == f_.Label4 ? f_.Label4_Click() : f_.Label6_Click());
            return true;
        }
        if (type == QEvent::FocusIn) {
            const auto* lien = static_cast<QWidget*>(objet);
            marque_->setGeometry(
                QRect(lien->mapTo(&f_, QPoint(0, 0)), lien->size()).adjusted(-4, -3, 4, 3));
            marque_->raise();
            marque_->show();
        } else if (type == QEvent::FocusOut) {
            marque_->hide();
        }
        return false;
    }
    if (objet == f_.File1 && type == QEvent::ShortcutOverride &&
        (touche()->key() == Qt::Key_Home || touche()->key() == Qt::Key_End ||
         touche()->key() == Qt::Key_PageUp || touche()->key() == Qt::Key_PageDown)) {
        event->accept(); // the list's own moves, not the slider's
        return true;
    }
    if (objet == f_.File1 && type == QEvent::KeyPress) {
        if (EstValidation(touche())) {
            f_.Command2->click();
            return true;
        }
        if (touche()->key() == Qt::Key_Delete) {
            f_.Command4->click();
            return true;
        }
        return false;
    }
    if (auto* bouton = qobject_cast<QPushButton*>(objet)) {
        if (type == QEvent::KeyPress && EstValidation(touche())) {
            bouton->click();
            return true;
        }
        return false;
    }
    const auto i =
        static_cast<size_t>(std::find(boutons_.begin(), boutons_.end(), objet) - boutons_.begin());
    switch (type) {
    case QEvent::FocusIn: {
        const auto raison = static_cast<QFocusEvent*>(event)->reason();
        if (i < Pilules.size() &&
            (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason)) {
            marque_->setGeometry(Pilules[i].place);
            marque_->raise();
            marque_->show();
        }
        break;
    }
    case QEvent::FocusOut:
        marque_->hide();
        break;
    case QEvent::KeyPress:
        if (i < Pilules.size() && (EstValidation(touche()) || (touche()->key() == Qt::Key_Space &&
                                                               touche()->modifiers() == 0))) {
            Presser(i);
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (f_.CurseurClavier().focusPolicy() != Qt::NoFocus) {
            f_.CurseurClavier().setFocus(Qt::MouseFocusReason);
        }
        break;
    default:
        break;
    }
    return false;
}

void Clavier::Presser(size_t i) {
    if (Pilules[i].icone) {
        f_.Image1_Click(static_cast<int>(Pilules[i].indice));
    } else {
        f_.BOUTON_Click(static_cast<int>(Pilules[i].indice));
    }
}

// A panel over the board keeps the focus among its own controls; once closed, the board has it.
void Clavier::Panneau(bool ouvert) {
    f_.CurseurClavier().setFocusPolicy(ouvert ? Qt::NoFocus : Qt::StrongFocus);
    for (QWidget* bouton : boutons_) {
        bouton->setFocusPolicy(ouvert ? Qt::NoFocus : Qt::TabFocus);
    }
    if (!ouvert) {
        f_.CurseurClavier().setFocus(Qt::OtherFocusReason);
    }
}

void Clavier::Echapper() {
    if (f_.RechercheEnCours) {
        f_.BOUTON_Click(0);
    } else if (f_.FraOpenClose->isVisibleTo(&f_)) {
        f_.Command6_Click();
    } else if (f_.FraAIDE->isVisibleTo(&f_)) {
        f_.Command1_Click();
    }
}

void Clavier::Rejouer(QAbstractSlider::SliderAction action) {
    if (f_.SolutionAffichee && f_.Verticale != nullptr && f_.Verticale->isVisible()) {
        f_.Verticale->VScroll1->triggerAction(action);
    }
}

void Clavier::CopierPosition() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(TexteDepuisGrille(f_.Jeu().Plateau())));
}

// Only the board as Ctrl+C writes it; it starts the record afresh, as an opened game does. Under a
// panel the board is out of reach, as it is for the mouse.
void Clavier::CollerPosition() {
    if (f_.RechercheEnCours || f_.PanneauOuvert()) {
        return;
    }
    const QString texte = QGuiApplication::clipboard()->text().trimmed();
    const auto plateau = GrilleDepuisTexte(texte.toStdString());
    if (!plateau || QString::fromStdString(TexteDepuisGrille(*plateau)) != texte) {
        f_.EcrireMessage(QStringLiteral("Position non reconnue"));
        return;
    }
    f_.RepartirDe(*plateau);
}

} // namespace marbello
