#pragma once

#include <QObject>
#include <functional>

namespace marbello {

// While it listens, sees every event sent to a widget of the application before the widget does;
// the handler returns true to keep the event from the widget. Used for gestures that own the
// mouse until a button is released, whatever widget the events are addressed to.
class FiltreGlobal : public QObject {
    Q_OBJECT

public:
    FiltreGlobal(std::function<bool(QEvent*)> gestionnaire, QObject* parent);
    ~FiltreGlobal() override;

    void Ecouter(bool oui);
    bool Ecoute() const { return ecoute_; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    std::function<bool(QEvent*)> gestionnaire_;
    bool ecoute_ = false;
};

} // namespace marbello
