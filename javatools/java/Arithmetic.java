// Java's operators on numbers, chars and booleans, with Java's promotions: a
// char or an int with an int gives an int (7 / 2 is 3), anything with a
// double gives a double; and Java's own errors, in Portuguese.
import com.sun.source.tree.Tree;

final class Arithmetic {
    private Arithmetic() {
    }

    private enum Kind { INT, LONG, FLOAT, DOUBLE }

    static Object unary(Tree.Kind op, Object value) throws Invoker.Failure {
        if (op == Tree.Kind.LOGICAL_COMPLEMENT)
            return !Expressions.bool(value);
        Kind kind = kindOf(value, value);
        return switch (op) {
            case UNARY_MINUS -> switch (kind) {
                case INT -> -integer(value);
                case LONG -> -number(value).longValue();
                case FLOAT -> -number(value).floatValue();
                case DOUBLE -> -number(value).doubleValue();
            };
            case UNARY_PLUS -> convert(kind.name().toLowerCase(), value);
            case BITWISE_COMPLEMENT -> kind == Kind.INT ? ~integer(value) : ~number(value).longValue();
            default -> throw new Invoker.Failure("Este operador não é avaliado aqui.");
        };
    }

    static Object binary(Tree.Kind op, Object left, Object right) throws Invoker.Failure {
        if (left instanceof Boolean a && right instanceof Boolean b) {
            return switch (op) {
                case AND -> a & b;
                case OR -> a | b;
                case XOR -> a ^ b;
                case EQUAL_TO -> a == b;
                case NOT_EQUAL_TO -> a != b;
                default -> throw new Invoker.Failure("Este operador não se aplica a valores boolean.");
            };
        }
        Kind kind = kindOf(left, right);
        switch (op) {
            case LESS_THAN, GREATER_THAN, LESS_THAN_EQUAL, GREATER_THAN_EQUAL, EQUAL_TO, NOT_EQUAL_TO: {
                int c = kind == Kind.INT || kind == Kind.LONG
                            ? Long.compare(asLong(left), asLong(right))
                            : Double.compare(asDouble(left), asDouble(right));
                boolean nan = Double.isNaN(asDouble(left)) || Double.isNaN(asDouble(right));
                return switch (op) {
                    case LESS_THAN -> !nan && c < 0;
                    case GREATER_THAN -> !nan && c > 0;
                    case LESS_THAN_EQUAL -> !nan && c <= 0;
                    case GREATER_THAN_EQUAL -> !nan && c >= 0;
                    case EQUAL_TO -> !nan && asDouble(left) == asDouble(right) && c == 0;
                    default -> nan || c != 0;
                };
            }
            default:
                break;
        }
        if ((op == Tree.Kind.DIVIDE || op == Tree.Kind.REMAINDER) && (kind == Kind.INT || kind == Kind.LONG)
            && asLong(right) == 0)
            throw new Invoker.Failure("Divisão de inteiros por zero: o Java pararia o programa aqui "
                                      + "(ArithmeticException).");
        // A shift's type is its left operand's alone: an int shifted by a long is an int.
        if (op == Tree.Kind.LEFT_SHIFT || op == Tree.Kind.RIGHT_SHIFT || op == Tree.Kind.UNSIGNED_RIGHT_SHIFT)
            kind = kindOf(left, left);
        // Worked in long or double, then narrowed: the same result as Java's
        // int and float operators (a float's operations are exact in double
        // before the rounding), save the shifts, which an int masks to 31.
        if (kind == Kind.INT || kind == Kind.LONG) {
            long a = asLong(left), b = asLong(right);
            boolean narrow = kind == Kind.INT;
            long r = switch (op) {
                case PLUS -> a + b;
                case MINUS -> a - b;
                case MULTIPLY -> a * b;
                case DIVIDE -> a / b;
                case REMAINDER -> a % b;
                case AND -> a & b;
                case OR -> a | b;
                case XOR -> a ^ b;
                case LEFT_SHIFT -> narrow ? (int) a << b : a << b;
                case RIGHT_SHIFT -> narrow ? (int) a >> b : a >> b;
                case UNSIGNED_RIGHT_SHIFT -> narrow ? (int) a >>> b : a >>> b;
                default -> throw unknown();
            };
            return narrow ? (Object) (int) r : (Object) r;
        }
        double a = asDouble(left), b = asDouble(right);
        double r = switch (op) {
            case PLUS -> a + b;
            case MINUS -> a - b;
            case MULTIPLY -> a * b;
            case DIVIDE -> a / b;
            case REMAINDER -> a % b;
            default -> throw unknown();
        };
        return kind == Kind.FLOAT ? (Object) (float) r : (Object) r;
    }

    // A cast to a primitive type: (int) 3.9 is 3, (char) 65 is 'A'.
    static Object convert(String type, Object value) throws Invoker.Failure {
        if (type.equals("boolean")) {
            if (value instanceof Boolean)
                return value;
            throw new Invoker.Failure("Um número não vira boolean com um cast.");
        }
        kindOf(value, value);
        double d = asDouble(value);
        long l = asLong(value);
        boolean fractional = value instanceof Double || value instanceof Float;
        return switch (type) {
            case "int" -> fractional ? (int) d : (int) l;
            case "long" -> fractional ? (long) d : l;
            case "double" -> d;
            case "float" -> (float) d;
            case "short" -> fractional ? (short) d : (short) l;
            case "byte" -> fractional ? (byte) d : (byte) l;
            case "char" -> fractional ? (char) d : (char) l;
            default -> value;
        };
    }

    private static Invoker.Failure unknown() {
        return new Invoker.Failure("Este operador não se aplica a esses valores.");
    }

    private static Kind kindOf(Object left, Object right) throws Invoker.Failure {
        for (Object v : new Object[] {left, right})
            if (!(v instanceof Number || v instanceof Character))
                throw new Invoker.Failure("A conta precisa de números, e " + Expressions.typeOf(v) + " não é um número.");
        if (left instanceof Double || right instanceof Double)
            return Kind.DOUBLE;
        if (left instanceof Float || right instanceof Float)
            return Kind.FLOAT;
        if (left instanceof Long || right instanceof Long)
            return Kind.LONG;
        return Kind.INT;
    }

    private static Number number(Object value) {
        return value instanceof Character c ? Integer.valueOf(c) : (Number) value;
    }

    private static int integer(Object value) {
        return number(value).intValue();
    }

    static long asLong(Object value) {
        return number(value).longValue();
    }

    static double asDouble(Object value) {
        return number(value).doubleValue();
    }
}
