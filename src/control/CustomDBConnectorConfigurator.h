#pragma once

class IStartupSettingsVisitor;
class TCustomDBConnector;

// Loads a connector's settings before it connects and saves them after a
// connection was accepted.
class TCustomDBConnectorConfigurator
{
public:
    // The visitor is borrowed and may be absent; then nothing is loaded or saved.
    explicit TCustomDBConnectorConfigurator(IStartupSettingsVisitor* visitor) : m_visitor(visitor) {}
    virtual ~TCustomDBConnectorConfigurator() = default;
    TCustomDBConnectorConfigurator(const TCustomDBConnectorConfigurator&) = delete;
    TCustomDBConnectorConfigurator& operator=(const TCustomDBConnectorConfigurator&) = delete;

    virtual void LoadSettings(TCustomDBConnector& connector) = 0;
    virtual void SaveSettings(TCustomDBConnector& connector) = 0;

protected:
    IStartupSettingsVisitor* Visitor() const { return m_visitor; }

private:
    IStartupSettingsVisitor* m_visitor;
};
