// Options dialog.
#include "ui/MirtDocOptionsDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "engines/MirtSpellEngines.h"
#include "platform/SettingsStore.h"
#include "project/CheckOptions.h"
#include "ui/CategoryGrid.h"
#include "ui/ContextHelp.h"

CMirtDocOptionsDlg::CMirtDocOptionsDlg(SMirtDocOptions& options, CSettingsStore& settings,
                                       QWidget* pParent)
    : QDialog(pParent), m_options(options), m_settings(settings) {
    setWindowTitle("Options");
    auto* pLayout = new QVBoxLayout(this);
    m_pGrid = new CCategoryGrid("Check for...");
    m_pGrid->SetMasks(SpellingCategories(options.m_nCheckOptions),
                      ProfanityCategories(options.m_nCheckOptions));
    m_pGrid->setWhatsThis("What a check looks at: the spelling, and indecent words, in "
                          "string literals, comments and identifiers.");
    pLayout->addWidget(m_pGrid);

    auto* pEngineGroup = new QGroupBox("Spelling Engine...");
    auto* pEngineLayout = new QVBoxLayout(pEngineGroup);
    m_pEngines = new QComboBox;
    m_pEngines->setAccessibleName("Spelling Engine...");
    m_pEngines->setWhatsThis("The engine that checks the spelling; its change applies from "
                             "the next check.");
    CMirtSpellEngines& engines = CMirtSpellEngines::Instance();
    for (int32_t i = 0; i < engines.GetSize(); ++i)
        m_pEngines->addItem(QString::fromUtf8(engines.GetAt(i)->GetName().c_str()));
    m_pEngines->setCurrentIndex(engines.m_nCurrent.load());
    m_pDescription = new QLabel;
    pEngineLayout->addWidget(m_pEngines);
    pEngineLayout->addWidget(m_pDescription);
    pLayout->addWidget(pEngineGroup);
    connect(m_pEngines, &QComboBox::currentIndexChanged, this,
            &CMirtDocOptionsDlg::OnEngineSelected);

    m_pSyntax = new QComboBox;
    m_pSyntax->setAccessibleName("Syntax");
    m_pSyntax->hide();
    pLayout->addWidget(m_pSyntax);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CMirtDocOptionsDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pLayout->addWidget(pButtons);
    AddContextHelp(this);
}

void CMirtDocOptionsDlg::OnEngineSelected(int nIndex) {
    CMirtSpellEngines& engines = CMirtSpellEngines::Instance();
    if (nIndex >= 0 && nIndex < engines.GetSize())
        m_pDescription->setText(QString::fromUtf8(engines.GetAt(nIndex)->GetDescription().c_str()));
}

// Exactly the six bits of the boxes; any other bit of the former options goes.
void CMirtDocOptionsDlg::accept() {
    m_options.m_nSyntaxChoice = m_pSyntax->currentIndex();
    m_options.m_nCheckOptions =
        MakeCheckOptions(m_pGrid->GetSpellingMask(), m_pGrid->GetProfanityMask());
    int32_t nEngine = m_pEngines->currentIndex();
    if (nEngine >= 0)
        CMirtSpellEngines::Instance().m_nCurrent = nEngine;
    m_settings.WriteInt("", "CheckOptions", m_options.m_nCheckOptions);
    m_settings.WriteInt("", SPELL_ENGINE_SETTING, CMirtSpellEngines::Instance().m_nCurrent.load());
    QDialog::accept();
}
