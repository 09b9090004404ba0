// The manual in egxeiridio/ must show what the pupil will get. Its program blocks are marked by
// class and checked with the built kalmira-cli, run as a child process:
//   <pre class="programma">          a whole program, already in canonical layout: `check` accepts it
//                                    and prints it back unchanged;
//   <pre class="programma-prin">     a program as a pupil might type it: `check` accepts it, and its
//                                    canonical listing is the next "programma" block;
//   <pre class="programma-lathos"    a program that does not compile: `check` fails on line N;
//        data-grammi="N">
//   <pre class="othoni">             the user screen of the program block before it: what `run` writes
//                                    with the values of its data-eisodos (separated by "|") as input,
//                                    or, after a "programma-lathos", the compile message.
// Every page is UTF-8 Greek HTML with a nav, one h1 and headings in order; every local link,
// fragment and image resolves; every page and every example program is reachable. The sessions
// "$ kalmira-cli test ..." on the teachers' page are run in the example exercise's folder and must
// print what the page shows.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QRegularExpression>
#include <QString>
#include <QStringDecoder>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const fs::path Fakelos = KALMIRA_MANUAL_DIR;

std::string DiabaseOlo(const fs::path& arxeio)
{
    std::ifstream in(arxeio, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

QString Selida(const fs::path& arxeio) { return QString::fromUtf8(DiabaseOlo(arxeio)).remove(u'\r'); }

std::vector<std::string> Selides()
{
    std::vector<std::string> selides;
    for (const auto& e : fs::directory_iterator(Fakelos))
        if (e.path().extension() == ".htm")
            selides.push_back(e.path().filename().string());
    std::sort(selides.begin(), selides.end());
    return selides;
}

// Every match of `protypo` in `keimevo`, as the list of its captured groups.
std::vector<QStringList> Tairiasmata(const QString& keimevo, const QString& protypo)
{
    std::vector<QStringList> apotelesma;
    auto it = QRegularExpression(protypo, QRegularExpression::DotMatchesEverythingOption).globalMatch(keimevo);
    while (it.hasNext())
        apotelesma.push_back(it.next().capturedTexts());
    return apotelesma;
}

// The id attributes of a page, repeated ones included.
std::multiset<QString> Taytotites(const QString& selida)
{
    std::multiset<QString> ids;
    for (const QStringList& t : Tairiasmata(selida, QStringLiteral(R"re(\sid="([^"]*)")re")))
        ids.insert(t[1]);
    return ids;
}

// The text of a block: the few entities the manual uses decoded, the line break that may follow
// <pre> dropped, and a line break at the end as the runner writes it.
QString Keimevo(QString html)
{
    if (html.startsWith(u'\n'))
        html.remove(0, 1);
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    if (!html.endsWith(u'\n'))
        html += u'\n';
    return html;
}

// Equality of two texts, with both written out in full (and readable) when they differ.
testing::AssertionResult Idia(const QString& egxeiridio, const QString& kalmira)
{
    if (egxeiridio == kalmira)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the manual shows:\n" << egxeiridio.toStdString() << "kalmira-cli gives:\n" << kalmira.toStdString();
}

struct TApotelesma {
    int kwdikos = -1;
    QString e3odos, la8n;
};

// Runs kalmira-cli ARGS with `eisodos` on its standard input, under Greek regional settings so
// that reals are written with the decimal comma, in the folder `katalogos` when one is given.
TApotelesma Ektelese(const fs::path& fakelos, std::vector<std::string> orismata, const QString& eisodos, const fs::path& katalogos = {})
{
    const fs::path in = fakelos / "eisodos", out = fakelos / "e3odos", err = fakelos / "la8n";
    std::ofstream(in, std::ios::binary) << eisodos.toStdString();
    posix_spawn_file_actions_t energeies;
    posix_spawn_file_actions_init(&energeies);
    posix_spawn_file_actions_addopen(&energeies, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&energeies, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&energeies, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!katalogos.empty())
        posix_spawn_file_actions_addchdir_np(&energeies, katalogos.c_str());
    orismata.insert(orismata.begin(), KALMIRA_CLI);
    std::vector<std::string> peribalon{"LC_ALL=el_GR.UTF-8"};
    for (char** e = environ; *e; ++e)
        if (!std::string_view(*e).starts_with("LC_ALL="))
            peribalon.emplace_back(*e);
    std::vector<char*> argv, envp;
    for (std::string& o : orismata)
        argv.push_back(o.data());
    for (std::string& p : peribalon)
        envp.push_back(p.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    TApotelesma apotelesma;
    pid_t pid;
    int katastasn = 0;
    if (posix_spawn(&pid, KALMIRA_CLI, &energeies, nullptr, argv.data(), envp.data()) == 0 && waitpid(pid, &katastasn, 0) == pid &&
        WIFEXITED(katastasn))
        apotelesma.kwdikos = WEXITSTATUS(katastasn);
    posix_spawn_file_actions_destroy(&energeies);
    apotelesma.e3odos = Selida(out);
    apotelesma.la8n = Selida(err);
    return apotelesma;
}

class ManualPage : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        selida_ = Selida(Fakelos / GetParam());
        std::string protypo = (fs::temp_directory_path() / "kalmira-egxeiridio-XXXXXX").string();
        ASSERT_NE(mkdtemp(protypo.data()), nullptr);
        fakelos_ = protypo;
    }

    void TearDown() override
    {
        std::error_code e;
        fs::remove_all(fakelos_, e);
    }

    TApotelesma Kalmira(const std::string& entoln, const QString& programma, const QString& eisodos = {})
    {
        std::ofstream(fakelos_ / "programma.txt", std::ios::binary) << programma.toStdString();
        return Ektelese(fakelos_, {entoln, (fakelos_ / "programma.txt").string()}, eisodos);
    }

    QString selida_;
    fs::path fakelos_;
};

TEST_P(ManualPage, ProgramsCompileAndRunAsShown)
{
    struct TProgramma {
        QString eidos, keimevo, eisodos, lathos;
        bool exeiEisodo = false, exeiO8ovn = false;
    } teleutaio;
    QString kanovikoPrin;  // the listing of a "programma-prin" waiting for its "programma"
    for (const QStringList& t : Tairiasmata(selida_, QStringLiteral(R"re(<pre class="([^"]*)"([^>]*)>(.*?)</pre>)re"))) {
        const QString& eidos = t[1];
        if (eidos == u"sxima")
            continue;
        const QString keimevo = Keimevo(t[3]);
        const QString arxn = keimevo.section(u'\n', 0, 0);
        SCOPED_TRACE(GetParam() + ": <pre class=\"" + eidos.toStdString() + "\"> " + arxn.toStdString());
        EXPECT_FALSE(t[3].contains(u'<') || keimevo.contains(QRegularExpression(QStringLiteral("&[a-z#0-9]+;"))))
            << "markup or an unknown entity inside a checked block";
        const auto grammn = QRegularExpression(QStringLiteral(R"re(data-grammi="(\d+)")re")).match(t[2]);
        const auto eisodos = QRegularExpression(QStringLiteral(R"re(data-eisodos="([^"]*)")re")).match(t[2]);

        if (eidos == u"programma" || eidos == u"programma-prin") {
            const TApotelesma r = Kalmira("check", keimevo);
            EXPECT_EQ(r.kwdikos, 0) << r.la8n.toStdString();
            if (eidos == u"programma-prin") {
                EXPECT_NE(r.e3odos, keimevo) << "a text shown before compiling is already canonical";
                kanovikoPrin = r.e3odos;
                continue;
            }
            EXPECT_TRUE(Idia(keimevo, r.e3odos)) << "not in canonical layout";
            if (!kanovikoPrin.isEmpty()) {
                EXPECT_TRUE(Idia(keimevo, kanovikoPrin)) << "not the listing of the text before it";
            }
            kanovikoPrin.clear();
        } else if (eidos == u"programma-lathos") {
            ASSERT_TRUE(grammn.hasMatch()) << "a failing program without data-grammi";
            const TApotelesma r = Kalmira("check", keimevo);
            EXPECT_EQ(r.kwdikos, 1) << "expected a compile error";
            EXPECT_EQ(r.la8n.section(u'\n', 0, 0).section(u':', 1, 1).toStdString(), grammn.captured(1).toStdString()) << r.la8n.toStdString();
            teleutaio.lathos = r.la8n.section(u'\n', 1);
        } else if (eidos == u"othoni") {
            ASSERT_FALSE(teleutaio.eidos.isEmpty()) << "a user screen without a program before it";
            if (teleutaio.eidos == u"programma-lathos") {
                EXPECT_TRUE(Idia(keimevo, teleutaio.lathos));
            } else {
                const QString ti = teleutaio.exeiEisodo ? teleutaio.eisodos.split(u'|').join(u'\n') + u'\n' : QString();
                const TApotelesma r = Kalmira("run", teleutaio.keimevo, ti);
                EXPECT_EQ(r.kwdikos, keimevo.contains(u"Σφάλμα εκτέλεσης!\n") ? 2 : 0) << r.la8n.toStdString();
                EXPECT_TRUE(Idia(keimevo, r.e3odos));
            }
            teleutaio.exeiO8ovn = true;
            continue;
        } else {
            ADD_FAILURE() << "unknown block class";
            continue;
        }
        EXPECT_FALSE(teleutaio.eidos == u"programma-lathos" && !teleutaio.exeiO8ovn) << "a failing program shows no message";
        teleutaio = {eidos, keimevo, eisodos.captured(1), teleutaio.lathos, eisodos.hasMatch(), false};
    }
    EXPECT_TRUE(kanovikoPrin.isEmpty()) << "a text shown before compiling has no listing after it";
    EXPECT_FALSE(teleutaio.eidos == u"programma-lathos" && !teleutaio.exeiO8ovn) << "a failing program shows no message";
}

TEST_P(ManualPage, IsAccessibleGreekHtml)
{
    const std::string bytes = DiabaseOlo(Fakelos / GetParam());
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8.decode(QByteArray::fromStdString(bytes)));
    EXPECT_FALSE(utf8.hasError()) << "not UTF-8";
    EXPECT_TRUE(selida_.startsWith(u"<!DOCTYPE html>\n<html lang=\"el\">"));
    EXPECT_TRUE(selida_.contains(u"<meta charset=\"utf-8\">"));
    EXPECT_TRUE(selida_.contains(u"<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">"));
    EXPECT_TRUE(selida_.contains(QRegularExpression(QStringLiteral("<title>[^<]+</title>"))));
    EXPECT_TRUE(selida_.contains(QRegularExpression(QStringLiteral("<nav [^>]*>.*<a href=\"index.htm\">.*</nav>"),
                                                    QRegularExpression::DotMatchesEverythingOption)) ||
                GetParam() == "index.htm")
        << "no nav leading back to the first page";

    int prin = 0, h1 = 0;
    for (const QStringList& t : Tairiasmata(selida_, QStringLiteral("<h([1-6])[ >]"))) {
        const int epipedo = t[1].toInt();
        EXPECT_LE(epipedo, prin + 1) << "h" << epipedo << " after h" << prin;
        h1 += epipedo == 1;
        prin = epipedo;
    }
    EXPECT_EQ(h1, 1);
    for (const QStringList& t : Tairiasmata(selida_, QStringLiteral("<table[^>]*>(.*?)</table>")))
        EXPECT_TRUE(t[1].contains(u"<th ")) << "a table without headers";

    const std::multiset<QString> ids = Taytotites(selida_);
    for (const QString& id : ids)
        EXPECT_EQ(ids.count(id), 1u) << "id " << id.toStdString() << " twice";
}

TEST_P(ManualPage, LinksResolve)
{
    for (const QStringList& t : Tairiasmata(selida_, QStringLiteral(R"re(\s(href|src)="([^"]*)")re"))) {
        const QString& syvdesmos = t[2];
        SCOPED_TRACE(GetParam() + ": " + syvdesmos.toStdString());
        if (syvdesmos.startsWith(u"https://") || syvdesmos.startsWith(u"http://") || syvdesmos.startsWith(u"mailto:"))
            continue;
        const QString arxeio = syvdesmos.section(u'#', 0, 0), kommati = syvdesmos.section(u'#', 1);
        ASSERT_FALSE(arxeio.contains(u'/') || arxeio.contains(u'\\')) << "the manual is one flat folder";
        const fs::path stoxos = Fakelos / (arxeio.isEmpty() ? GetParam() : arxeio.toStdString());
        ASSERT_TRUE(fs::is_regular_file(stoxos)) << "missing file";
        if (!kommati.isEmpty()) {
            EXPECT_TRUE(Taytotites(Selida(stoxos)).contains(kommati)) << "no such id";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Egxeiridio, ManualPage, testing::ValuesIn(Selides()), [](const auto& info) {
    std::string ovoma = info.param.substr(0, info.param.find('.'));
    std::replace(ovoma.begin(), ovoma.end(), '-', '_');
    return ovoma;
});

// The shell expands a word with "*" to the files it matches, in order of their names.
std::vector<std::string> Epektasn(const fs::path& katalogos, const QString& le3n)
{
    if (!le3n.contains(u'*'))
        return {le3n.toStdString()};
    const QString fakelos = le3n.section(u'/', 0, -2), protypo = le3n.section(u'/', -1);
    const QRegularExpression tairiasma(QRegularExpression::wildcardToRegularExpression(protypo));
    std::vector<std::string> arxeia;
    for (const auto& e : fs::directory_iterator(katalogos / fakelos.toStdString()))
        if (tairiasma.match(QString::fromStdString(e.path().filename().string())).hasMatch())
            arxeia.push_back((fs::path(fakelos.toStdString()) / e.path().filename()).string());
    std::sort(arxeia.begin(), arxeia.end());
    return arxeia;
}

TEST(Manual, TeacherSessionsGiveTheReportsShown)
{
    const fs::path askisn = fs::path(KALMIRA_EXAMPLES_DIR) / "Άσκηση_μέγιστος";
    std::string protypo = (fs::temp_directory_path() / "kalmira-egxeiridio-XXXXXX").string();
    ASSERT_NE(mkdtemp(protypo.data()), nullptr);
    int plnthos = 0;
    for (const QStringList& t : Tairiasmata(Selida(Fakelos / "kalmira-cli.htm"), QStringLiteral(R"re(<pre>\$ kalmira-cli (test [^\n]*)\n(.*?)</pre>)re"))) {
        SCOPED_TRACE(t[1].toStdString());
        std::vector<std::string> orismata;
        for (const QString& le3n : t[1].split(u' ', Qt::SkipEmptyParts))
            for (const std::string& o : Epektasn(askisn, le3n))
                orismata.push_back(o);
        const TApotelesma r = Ektelese(protypo, orismata, {}, askisn);
        EXPECT_EQ(r.la8n, u"");
        EXPECT_TRUE(Idia(Keimevo(t[2]), r.e3odos));
        ++plnthos;
    }
    EXPECT_GT(plnthos, 0);
    std::error_code e;
    fs::remove_all(protypo, e);
}

TEST(Manual, ReachesEveryPageAndEveryExample)
{
    const QString arxikn = Selida(Fakelos / "index.htm");
    for (const std::string& selida : Selides())
        EXPECT_TRUE(selida == "index.htm" || arxikn.contains(QString::fromStdString("href=\"" + selida + "\""))) << selida;
    const QString paradeigmata = Selida(Fakelos / "paradeigmata.htm");
    int plnthos = 0;
    for (const auto& e : fs::directory_iterator(KALMIRA_EXAMPLES_DIR))
        if (e.path().extension() == ".καλμίρα") {
            ++plnthos;
            EXPECT_TRUE(paradeigmata.contains(QString::fromStdString("<code>" + e.path().filename().string() + "</code>")))
                << e.path().filename() << " is not listed in paradeigmata.htm";
        }
    EXPECT_GT(plnthos, 0);
}

}  // namespace
