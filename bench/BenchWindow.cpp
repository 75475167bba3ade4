#include "BenchWindow.h"

#include "BenchSeeds.h"

#include "app/TForm1.h"
#include "forms/TApplication.h"
#include "forms/TImage.h"

TForm1& ShownMainWindow()
{
    if (!Form1) {
        Application->CreateForm(Form1);
        Form1->Show();
        Application->ProcessMessages();
    }
    return *Form1;
}

void SeedSoup(TForm1& form, unsigned soup)
{
    form.btn4Click(nullptr);
    for (const auto& [r, c] : ThousandSeeds(soup))
        TLifeBoard::PaintAt(form.img1->Canvas(), TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                            TLifeBoard::LivingColor);
    form.FSeeded = true;
    Application->ProcessMessages();
}
