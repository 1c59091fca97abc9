#include "platform/ErrorNumbers.h"

namespace zv::platform {

QString errorDescription(int number)
{
    switch (number) {
    case kErrInvalidCall: return QStringLiteral("Chamada de procedimento ou argumento inválido");
    case kErrOverflow: return QStringLiteral("Estouro");
    case kErrOutOfMemory: return QStringLiteral("Memória insuficiente");
    case kErrSubscript: return QStringLiteral("Subscrito fora do intervalo");
    case kErrTypeMismatch: return QStringLiteral("Tipos incompatíveis");
    case kErrBadFileName: return QStringLiteral("Nome ou número de arquivo incorreto");
    case kErrFileNotFound: return QStringLiteral("Arquivo não encontrado");
    case kErrFileExists: return QStringLiteral("O arquivo já existe");
    case kErrDiskFull: return QStringLiteral("Disco cheio");
    case kErrPermissionDenied: return QStringLiteral("Permissão negada");
    case kErrPathFileAccess: return QStringLiteral("Erro de acesso ao caminho/arquivo");
    case kErrPathNotFound: return QStringLiteral("Caminho não encontrado");
    case kErrObjectNotSet: return QStringLiteral("Variável de objeto não definida");
    default: return QStringLiteral("Erro definido pelo aplicativo ou pelo objeto");
    }
}

} // namespace zv::platform
