#pragma once

#include "ui/fenetres/Face.h"

#include <QAbstractSlider>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace marbello {

class CurseurPlateau;
class FMarbello;

// The keyboard beside the mouse: the shortcuts, the context menu that lists them with their keys,
// the position through the clipboard, and the focus that Tab moves through the board, the skinned
// buttons and icons, or the open panel's controls. A key runs the handler its button runs, guards
// included; single letters never fire while a text field has the focus, which takes them first.
class Clavier : public QObject {
    Q_OBJECT

public:
    // What a guest of the window does on a key of its own: the hint, the mark, the explanation.
    struct Geste {
        std::function<void()> faire;
        std::function<bool()> permis; // enabled in the menu; always when empty
        std::function<bool()> coche;  // checkable, checked when true; not when empty
    };
    struct Aides {
        Geste indice, marque, pourquoi;
    };
    Clavier(FMarbello& fenetre, CurseurPlateau& curseur, const Aides& aides);

    // The menu of the right press on the skin, the Menu key and Shift+F10.
    QMenu* Menu() const { return menu_; }
    // Shows it at global, each item enabled as the state allows.
    void MontrerMenu(QPoint global);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    struct Entree {
        QAction* action;
        Geste geste;
    };

    void CreerMenu(const Aides& aides);
    // An item of the menu; its keys work in both windows of the game, the slider's too.
    QAction* Ajouter(const QString& texte, const QList<QKeySequence>& touches, Geste geste);
    QAction* Ajouter(const QString& texte, const QList<QKeySequence>& touches, Action action);
    // Keys that the menu does not list.
    void Raccourci(const QList<QKeySequence>& touches, const std::function<void()>& faire);
    void RelierFocus();
    // The focus mark on a pill's place, or around controle.
    void MarquerFocus(const QWidget& controle, QRect place = {});
    void Panneau(bool ouvert);
    void CopierPosition();
    void CollerPosition();

    FMarbello& f_;
    CurseurPlateau& curseur_;
    const Controles& controles_;
    QMenu* menu_ = nullptr;
    QAction* chercher_ = nullptr;
    std::vector<Entree> entrees_;
    QWidget* marque_ = nullptr; // the focus mark
};

} // namespace marbello
