// An output generator. Made through classCreate_KalvexGenerator, which
// initialises it: it then is the object library's current generator. It owns
// its parameter set (whose parent it is), made on first use.
#pragma once
#include "foundation/KalvexObjectBase.h"
#include "interfaces/IKalvexGenerator.h"

namespace kalvex {

class KalvexGenerator : public KalvexObjectBase, public IKalvexGenerator {
public:
    KalvexGenerator();
    ~KalvexGenerator() override;

    QString className() const override { return QStringLiteral("KalvexGenerator"); }
    QString objectKind() const override { return QStringLiteral("GENERATOR"); }

    QString id() const override { return m_id; }
    void setId(const QString& id) override;
    QString name() const override { return m_name; }
    void setName(const QString& name) override;
    QString description() const override { return m_description; }
    void setDescription(const QString& description) override;
    QString cmdView() const override { return m_cmdView; }
    void setCmdView(const QString& cmd) override;
    QString cmdPlot() const override { return m_cmdPlot; }
    void setCmdPlot(const QString& cmd) override;
    QString fileExt() const override { return m_fileExt; }
    void setFileExt(const QString& ext) override;
    QString activeXModule() const override { return m_activeXModule; }
    void setActiveXModule(const QString& module) override;
    QString groupId() const override { return m_groupId; }
    void setGroupId(const QString& groupId) override;
    int reservedItem() const override { return m_reservedItem; }
    void setReservedItem(int code) override;
    int intCounter() const override { return m_intCounter; }
    void setIntCounter(int counter) override;

    QString cmdGen(bool expanded) const override;
    void setCmdGen(const QString& cmd) override;

    IKalvexGenParmsPtr parameters() const override;
    // The parameter set when it was made already; null, not made, otherwise.
    const IKalvexGenParmsPtr& parametersIfMade() const { return m_parms; }
    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_vars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override;

    void clone(const std::shared_ptr<IKalvexGenerator>& other) override;
    void initialize() override;

    // Handles "envirVars" beside the raiser keys.
    int setInternalValue(const QString& key, const QVariant& value) override;
    // The parameter set hears of the message object too.
    void setMessagesObj(QObject* sink) override;

private:
    void chooseEditForm();

    QString m_id, m_name, m_description, m_cmdGen, m_cmdView, m_cmdPlot, m_fileExt, m_activeXModule, m_groupId;
    int m_reservedItem = NOT_RESERVED;
    int m_intCounter = 0;
    mutable IKalvexGenParmsPtr m_parms;
    std::shared_ptr<IBrenloEnvirVars> m_vars;
};

std::shared_ptr<IKalvexGenerator> classCreate_KalvexGenerator();

} // namespace kalvex
