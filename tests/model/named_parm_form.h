// A parameter dialog that is no more than its name: what the edit-form
// chooser hands out in tests that only check which dialog was picked.
#pragma once
#include <QObject>

#include "interfaces/IKalvexParmForm.h"

namespace kalvex::test {

class NamedParmForm : public IKalvexParmForm {
public:
    explicit NamedParmForm(QString name) : m_name(std::move(name)) {}
    QString formName() const override { return m_name; }
    void setParmsColl(const IKalvexGenParmsPtr& parms) override { m_parms = parms; }
    IKalvexGenParmsPtr parmsColl() const override { return m_parms.lock(); }
    void loadData() override {}
    int persistData(bool&) override { return 0; }
    int defaultHelpTopic() const override { return 0; }
    bool formVisible() const override { return false; }
    void setFormVisible(bool) override {}
    bool formEnabled() const override { return true; }
    void setFormEnabled(bool) override {}
    QObject* formObject() override { return &m_object; }

private:
    QString m_name;
    std::weak_ptr<IKalvexGenParms> m_parms;
    QObject m_object;
};

} // namespace kalvex::test
