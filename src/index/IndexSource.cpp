#include "index/IndexSource.h"

#include "lookup/ProductName.h"
#include "platform/ProductIndex.h"

void IndexSource::prepareRun()
{
    // An index imported since the last run (by the window or the command line) answers this one.
    m_index.reopenIfReplaced();
    const IndexInfo info = m_index.info();
    m_present = info.exists && info.problem.isEmpty();
    // An index that is there but cannot be read says why: "import one first" would send the
    // user looking for an index that exists.
    m_absence = !info.exists
                    ? kNoProductIndex.toString()
                    : QStringLiteral("product index cannot be read (") + info.problem + u')';
}

std::optional<SourceAnswer> IndexSource::answerLocally(const CheckedCode& checked)
{
    if (!m_present)
        return SourceAnswer::failed(m_absence);
    const std::optional<IndexedProduct> product = m_index.find(checked.gtin);
    if (!product)
        return SourceAnswer::notFound();
    ProductAnswer answer = AnswerFromFields(product->fields);
    answer.database = product->database;
    return SourceAnswer::found(std::move(answer));
}
