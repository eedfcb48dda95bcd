// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built-in activity catalogue: 478 rows, name / kJ / kcal per hour and kilogram.
// Texts are stored exactly as shown, trailing blanks included; the order is fixed.

#include "core/catalogue.h"

namespace movesta {

const std::array<CatalogueRow, kCatalogueRows> kCatalogue{{
    {"Accordion, playing", "7,5", "1,8"},                                                // 0
    {"Aerobic, ballet or modern, twist", "25", "5,9"},                                   // 1
    {"Aerobic, low impact", "21", "5"},                                                  // 2
    {"Aerobic, general", "25", "5,9"},                                                   // 3
    {"Aerobic, high impact", "29", "6,9"},                                               // 4
    {"Archery (non hunting)", "15", "3,6"},                                              // 5
    {"Backpacking, general", "29", "6,9"},                                               // 6
    {"Badminton, social singles and doubles, general", "19", "4,5"},                     // 7
    {"Badminton, competitive", "29", "6,9"},                                             // 8
    {"Bakery, general", "17", "4"},                                                      // 9
    {"Basketball, shooting baskets", "19", "4,5"},                                       // 10
    {"Basketball, non game, general", "25", "5,9"},                                      // 11
    {"Basketball, wheelchair", "27", "6,4"},                                             // 12
    {"Basketball, officiating", "29", "6,9"},                                            // 13
    {"Basketball, games", "33", "7,8"},                                                  // 14
    {"Bathing, sitting", "8", "1,9"},                                                    // 15
    {"Bicycling, < 16 km/h, general leisure, to work or for pleasure", "17", "4"},       // 16
    {"Bicycling, 16 - 19 km", "25", "5,9"},                                              // 17
    {"Bicycling, 19,1 - 22,4 km", "33", "7,8"},                                          // 18
    {"Bicycling, 22,5 - 25,5 km", "42", "10"},                                           // 19
    {"Bicycling, 25,6 - 30,5 km", "50", "11,9"},                                         // 20
    {"Bicycling, > 30,5 km", "67", "15,9"},                                              // 21
    {"Bicycling, stationary, 50 W, very light effort", "13", "3,1"},                     // 22
    {"Bicycling, stationary, 100 W, light effort", "23", "5,5"},                         // 23
    {"Bicycling, stationary, 150 W, moderate effort", "29", "6,9"},                      // 24
    {"Bicycling, stationary, 200 W, vigorous effort", "44", "10,5"},                     // 25
    {"Bicycling, stationary, 2500 W, very vigorous effort", "52", "12,4"},               // 26
    {"Bicycling, stationary, general", "21", "5"},                                       // 27
    {"Billiards", "10", "2,4"},                                                          // 28
    {"Boating, power", "10", "2,4"},                                                     // 29
    {"Bookbinding ", "9", "2,1"},                                                        // 30
    {"Bowling", "13", "3,1"},                                                            // 31
    {"Boxing, punching bag", "25", "5,9"},                                               // 32
    {"Boxing, sparring", "38", "9"},                                                     // 33
    {"Boxing, in ring, general", "50", "11,9"},                                          // 34
    {"Broomball", "29", "6,9"},                                                          // 35
    {"Building road, (including hauling debris, driving heavy machinery)", "25", "5,9"}, // 36
    {"Callisthenic, home exercise, light or moderate effort, general (e.g. Back exercise), going up and down from floor",
     "19", "4,5"},                                                                                // 37
    {"Calisthenics (e.g. push-up, pull-ups, sit-ups), heavy, vigorous effort", "33", "7,8"},      // 38
    {"Canoeing, rowing, 3 - 6 km/h, light effort", "13", "3,1"},                                  // 39
    {"Canoeing, rowing, for pleasure, general", "15", "3,6"},                                     // 40
    {"Canoeing, on camping trip", "17", "4"},                                                     // 41
    {"Canoeing, portaging", "29", "6,9"},                                                         // 42
    {"Canoeing, rowing, 6,5 - 9 km/h, moderate effort", "29", "6,9"},                             // 43
    {"Canoeing, rowing, > 9 km/h, vigorous effort", "50", "11,9"},                                // 44
    {"Canoeing, rowing, in competition, or crew or sculling", "50", "11,9"},                      // 45
    {"Car body work", "19", "4,5"},                                                               // 46
    {"Car repair", "13", "3,1"},                                                                  // 47
    {"Card playing, playing board games (sitting) ", "6", "1,4"},                                 // 48
    {"Carpentry, general, workshop", "13", "3,1"},                                                // 49
    {"Carpentry, general", "15", "3,6"},                                                          // 50
    {"Carpentry, finishing or refinishing cabinets or furniture", "19", "4,5"},                   // 51
    {"Carpentry, outside house, installing rain gutters", "25", "5,9"},                           // 52
    {"Carpentry, sawing hardwood", "31", "7,4"},                                                  // 53
    {"Carpet sweeping, sweeping floors", "10", "2,4"},                                            // 54
    {"Carrying 0,5 - 7-kg load upstairs", "21", "5"},                                             // 55
    {"Carrying 7,5 - 10,5-kg load upstairs", "25", "5,9"},                                        // 56
    {"Carrying 11 - 22-kg load upstairs", "33", "7,8"},                                           // 57
    {"Carrying groceries upstairs", "33", "7,8"},                                                 // 58
    {"Carrying load upstairs, general", "38", "9"},                                               // 59
    {"Carrying 22,5 - 34-kg load upstairs", "42", "10"},                                          // 60
    {"Carrying > 34-kg load upstairs", "50", "11,9"},                                             // 61
    {"Carrying heavy loads, such as bricks", "33", "7,8"},                                        // 62
    {"Carrying infant or 7-kg load (e.g. suitcase), on level ground or downstairs", "15", "3,6"}, // 63
    {"Carrying, loading or stacking wood, loading/unloading or carrying lumber", "21", "5"},      // 64
    {"Carrying moderate loads up stairs, moving boxes (7 - 18 kg)", "33", "7,8"},                 // 65
    {"Caulking, except log cabin", "19", "4,5"},                                                  // 66
    {"Caulking, chinking log cabin", "21", "5"},                                                  // 67
    {"Cello, playing", "8", "1,9"},                                                               // 68
    {"Chambermaid", "10", "2,4"},                                                                 // 69
    {"Child care: sitting/kneeling-dressing, bathing, grooming, feeding, occasional lifting of child, light effort",
     "13", "3,1"}, // 70
    {"Child care: standing-dressing, bathing, grooming, feeding, occasional lifting of child, light effort",
     "15", "3,6"}, // 71
    {"Children's games (hopscotch, 4-square, dodgeball, playground apparatus, t-ball, tetherball, marbles, jacks, arcade games)",
     "21", "5"},                                    // 72
    {"Chopping wood, splitting logs", "25", "5,9"}, // 73
    {"Circuit training, general", "33", "7,8"},     // 74
    {"Cleaning, light (dusting, straightening up, vacuuming, changing linens, carrying out rubbish)", "10",
     "2,4"},                                            // 75
    {"Cleaning, house or cabin, general", "15", "3,6"}, // 76
    {"Cleaning, heavy or major (e.g. washing car, washing windows, mopping, cleaning garage), vigorous effort",
     "19", "4,5"},                                                                   // 77
    {"Cleaning, gutters", "21", "5"},                                                // 78
    {"Clearing land, hauling branches", "21", "5"},                                  // 79
    {"Climbing hills with 0 - 4-kg load", "29", "6,9"},                              // 80
    {"Climbing hills with 4,5 - 9-kg load", "31", "7,4"},                            // 81
    {"Climbing hills with 9,5 - 19-kg load", "33", "7,8"},                           // 82
    {"Climbing hills with > 19-kg load", "38", "9"},                                 // 83
    {"Coaching: football, soccer, basketball, baseball, swimming, etc.", "17", "4"}, // 84
    {"Coal mining, general", "25", "5,9"},                                           // 85
    {"Coal mining, drilling coalm rock", "27", "6,4"},                               // 86
    {"Coal mining, erecting supports", "27", "6,4"},                                 // 87
    {"Coal mining, shoveling coal", "29", "6,9"},                                    // 88
    {"Collecting grass", "17", "4"},                                                 // 89
    {"Conducting ", "10", "2,4"},                                                    // 90
    {"Construction, outside, remodelling", "23", "5,5"},                             // 91
    {"Cooking or food preparation, standing or sitting or in general (not broken into stand/walk components)",
     "10", "2,4"},                                                                // 92
    {"Cooking or food preparation, walking", "10", "2,4"},                        // 93
    {"Cricket (batting, bowling)", "21", "5"},                                    // 94
    {"Croquet", "10", "2,4"},                                                     // 95
    {"Curling", "17", "4"},                                                       // 96
    {"Dancing, ballroom, slow (e.g. waltz, foxtrot, slow dancing)", "13", "3,1"}, // 97
    {"Dancing, general", "19", "4,5"},                                            // 98
    {"Dancing, ballroom, fast (e.g. disco, folk, square)", "23", "5,5"},          // 99
    {"Darts, wall or lawn", "10", "2,4"},                                         // 100
    {"Digging sandpit", "21", "5"},                                               // 101
    {"Digging, spading, filling garden", "21", "5"},                              // 102
    {"Directing traffic (standing)", "8", "1,9"},                                 // 103
    {"Diving, springboard or platform", "13", "3,1"},                             // 104
    {"Drag racing, pushing or driving a car", "25", "5,9"},                       // 105
    {"Drawing or writing, casino gambling (standing) ", "8", "1,9"},              // 106
    {"Dressing, undressing, standing or sitting", "10", "2,4"},                   // 107
    {"Driving car or light truck (not a semi)", "8", "1,9"},                      // 108
    {"Driving heavy truck, tractor, bus", "13", "3,1"},                           // 109
    {"Drums, playing", "17", "4"},                                                // 110
    {"Eating, sitting", "6", "1,4"},                                              // 111
    {"Electrical work, plumbing", "15", "3,6"},                                   // 112
    {"Excavating garage", "21", "5"},                                             // 113
    {"Farming, milking by machine", "6", "1,4"},                                  // 114
    {"Farming, driving harvester", "10", "2,4"},                                  // 115
    {"Farming, driving tractor ", "10", "2,4"},                                   // 116
    {"Farming, milking by hand", "13", "3,1"},                                    // 117
    {"Farming, chasing cattle, non-strenuous", "15", "3,6"},                      // 118
    {"Farming, feeding small animals", "17", "4"},                                // 119
    {"Farming, feeding cattle", "19", "4,5"},                                     // 120
    {"Farming, balling hay, cleaning barn, poultry work ", "33", "5,5"},          // 121
    {"Farming, forking straw bales", "33", "5,5"},                                // 122
    {"Farming, showelling grain", "23", "5,5"},                                   // 123
    {"Fencing", "25", "5,9"},                                                     // 124
    {"Fire fighter, hauling hoses on ground", "33", "7,8"},                       // 125
    {"Fire fighter, climbing ladder with full gear", "46", "10,9"},               // 126
    {"Fire fighter, general", "50", "11,9"},                                      // 127
    {"Fishing, ice, sitting", "8", "1,9"},                                        // 128
    {"Fishing from boat, sitting", "10", "2,4"},                                  // 129
    {"Fishing from river bank, standing", "15", "3,6"},                           // 130
    {"Fishing, digging, worms with shovel", "17", "4"},                           // 131
    {"Fishing from river bank and walking", "21", "5"},                           // 132
    {"Fishing, general", "21", "5"},                                              // 133
    {"Fishing in stream, in waders", "25", "5,9"},                                // 134
    {"Flute, playing (sitting)", "8", "1,9"},                                     // 135
    {"Flying airplane", "8", "1,9"},                                              // 136
    {"Food shopping, with trolley", "15", "3,6"},                                 // 137
    {"Football or baseball, playing catch", "10", "2,4"},                         // 138
    {"Football, touch, flag, general", "33", "7,8"},                              // 139
    {"Football, competitive", "38", "9"},                                         // 140
    {"Forestry, weeding", "17", "4"},                                             // 141
    {"Forestry, sawing, power", "19", "4,5"},                                     // 142
    {"Forestry, chopping with axe, slow", "21", "5"},                             // 143
    {"Forestry, hoeing", "21", "5"},                                              // 144
    {"Forestry, planting by hand", "25", "5,9"},                                  // 145
    {"Forestry, removing bark from trees", "29", "6,9"},                          // 146
    {"Forestry, sawing by hand", "29", "6,9"},                                    // 147
    {"Forestry, felling trees", "33", "7,8"},                                     // 148
    {"Forestry, general", "33", "7,8"},                                           // 149
    {"Forestry, trimming trees", "38", "9"},                                      // 150
    {"Forestry, carrying loggs", "46", "10,9"},                                   // 151
    {"Forestry, chopping with axe, fast", "71", "16,9"},                          // 152
    {"Frisbee playing, general", "13", "3,1"},                                    // 153
    {"Frisbee, ultimate", "15", "3,6"},                                           // 154
    {"Furriery", "19", "4,5"},                                                    // 155
    {"Gardening, general", "21", "5"},                                            // 156
    {"Gardening with heavy power tools, tilling a garden", "25", "5,9"},          // 157
    {"Getting ready for bed, in general (standing)", "10", "2,4"},                // 158
    {"Golf, miniature, driving range", "13", "3,1"},                              // 159
    {"Golf, using power cart", "15", "3,6"},                                      // 160
    {"Golf, general", "19", "4,5"},                                               // 161
    {"Golf, pulling clubs", "21", "5"},                                           // 162
    {"Golf, carrying clubs", "23", "5,5"},                                        // 163
    {"Grooming (e.g. washing, shaving, brushing teeth, urinating, washing hands, putting on make-up) sitting or standing",
     "10", "2,4"},                                                                                   // 164
    {"Guitar, playing, classical, folk (sitting)", "8", "1,9"},                                      // 165
    {"Guitar, playing, rock and roll band (standing)", "13", "3,1"},                                 // 166
    {"Gymnastics, general", "17", "4"},                                                              // 167
    {"Handball, team", "33", "7,8"},                                                                 // 168
    {"Handball, competitive", "50", "11,9"},                                                         // 169
    {"Hang gliding", "15", "3,6"},                                                                   // 170
    {"Hanging storm windows", "21", "5"},                                                            // 171
    {"Health club exercise, general", "23", "5,5"},                                                  // 172
    {"Hiking, cross-country", "25", "5,9"},                                                          // 173
    {"Hockey, field", "33", "7,8"},                                                                  // 174
    {"Hockey, ice", "33", "7,8"},                                                                    // 175
    {"Home activities, light (e.g. pumping gas, changing light bulb, etc.), standing", "10", "2,4"}, // 176
    {"Home activities, light, non-cleaning (e.g. getting ready to leave, shutting/locking doors, closing windows, etc.)",
     "13", "3,1"},                                                                 // 177
    {"Horn, playing", "8", "1,9"},                                                 // 178
    {"Horse grooming", "25", "5,9"},                                               // 179
    {"Horseback riding, walking", "10", "2,4"},                                    // 180
    {"Horseback riding, saddling horse", "15", "3,6"},                             // 181
    {"Horseback riding, general", "17", "4"},                                      // 182
    {"Horseback riding, trotting", "27", "6,4"},                                   // 183
    {"Horseshoe pitching, quoits", "13", "3,1"},                                   // 184
    {"Hunting, bow and arrow crossbow", "10", "2,4"},                              // 185
    {"Hunting, duck, wading", "10", "2,4"},                                        // 186
    {"Hunting, pistol shooting or trap shooting, standing", "10", "2,4"},          // 187
    {"Hunting, general", "21", "5"},                                               // 188
    {"Hunting, rabbit, squirrel, prairie chick, raccon, small game", "21", "5"},   // 189
    {"Hunting, deer, elk, large game", "25", "5,9"},                               // 190
    {"Hunting, pheasants or grouse", "25", "5,9"},                                 // 191
    {"In-line skating, 16 km/h", "31", "7,4"},                                     // 192
    {"In-line skating, 18 km/h", "35", "8,3"},                                     // 193
    {"In-line skating, 19 km/h", "42", "10"},                                      // 194
    {"Ironing", "9", "2,1"},                                                       // 195
    {"Jai alai", "50", "11,9"},                                                    // 196
    {"Jog/walk combination (jogging component of less than 10 min)", "25", "5,9"}, // 197
    {"Jogging, general", "29", "6,9"},                                             // 198
    {"Judo, jujitsu, karate, kick boxing, tae kwan do", "42", "10"},               // 199
    {"Juggling", "17", "4"},                                                       // 200
    {"Kayaking", "21", "5"},                                                       // 201
    {"Kickball", "29", "6,9"},                                                     // 202
    {"Lacrosse", "33", "7,8"},                                                     // 203
    {"Laundry, folding or hanging clothes, putting clothes in washer or dryer, packing suitcase (implied standing)",
     "8", "1,9"},                                                                                       // 204
    {"Laying crushed rock", "21", "5"},                                                                 // 205
    {"Laying or removing carpet", "19", "4,5"},                                                         // 206
    {"Laying sod", "21", "5"},                                                                          // 207
    {"Laying tile or linoleum", "19", "4,5"},                                                           // 208
    {"Learning, in class, general, including note-taking or class discussion (sitting)", "7,5", "1,8"}, // 209
    {"Light office work, in general (chemistry lab work, light use of hand tools, watch repair or microassembly, lightassembly/repair) (sitting)",
     "6", "1,4"},                                                                                  // 210
    {"Locksmith", "15", "3,6"},                                                                    // 211
    {"Lying, quietly, reclining (watching television), lying quietly in bed - awake", "4", "0,9"}, // 212
    {"Machine tooling, machining, working sheet metal", "10", "2,4"},                              // 213
    {"Machine tooling, operating lathe", "13", "3,1"},                                             // 214
    {"Machine tooling, welding", "13", "3,1"},                                                     // 215
    {"Machine tooling, tapping and drilling", "17", "4"},                                          // 216
    {"Machine tooling, operating punch press", "21", "5"},                                         // 217
    {"Making beds", "8", "1,9"},                                                                   // 218
    {"Making maple syrup (tapping trees, carrying buckets, carrying wood,etc.)", "21", "5"},       // 219
    {"Marching band, drum major (walking)", "15", "3,6"},                                          // 220
    {"Marching band, playing an instrument, baton twirling (walking)", "17", "4"},                 // 221
    {"Marching, rapidly, military", "27", "6,4"},                                                  // 222
    {"Masonry, concrete", "29", "6,9"},                                                            // 223
    {"Masseur, masseuse (standing)", "17", "4"},                                                   // 224
    {"Meetings, general, and/or with talking involved (sitting)", "6", "1,4"},                     // 225
    {"Moto-cross", "17", "4"},                                                                     // 226
    {"Motor scooter, motor cycle", "10", "2,4"},                                                   // 227
    {"Mountain biking", "35", "8,3"},                                                              // 228
    {"Move household items upstairs, carrying boxes or furniture", "38", "9,5"},                   // 229
    {"Moving furniture, household", "25", "5,9"},                                                  // 230
    {"Moving household items, carrying boxes", "29", "6,9"},                                       // 231
    {"Moving ice house (set up/drill holes, etc.)", "25", "5,9"},                                  // 232
    {"Moving, pushing heavy objects, 40 kg or more (desks, moving van work)", "29", "6,9"},        // 233
    {"Mowing lawn, riding mower", "10", "2,4"},                                                    // 234
    {"Mowing lawn, walking, power mower", "19", "4,5"},                                            // 235
    {"Mowing lawn, general", "23", "5,5"},                                                         // 236
    {"Mowing lawn, walk, hand mower", "25", "5,9"},                                                // 237
    {"Occupation, light (e.g. bartending, store clerk, assembling, filing, photocopying, putting up Christmas tree), standing ",
     "10", "2,4"}, // 238
    {"Occupation, moderate (e.g. heavy levers, riding mower/forklift, craneoperating), sitting", "10",
     "2,4"}, // 239
    {"Occupation, light/moderate (assemble/repair heavy parts, welding, stocking, car repair, packing boxes for moving, etc.), patient care (as in nursing), standing ",
     "13", "3,1"}, // 240
    {"Occupation, moderate demanding occupation (e.g. assembling at fast rate, lifting 20 kg, hitching/twisting ropes), standing ",
     "15", "3,6"}, // 241
    {"Occupation, moderate/heavy demanding occupation (e. g. lifting more than 20 kg, masonry, painting, paper hanging) standing  ",
     "17", "4"},                                                            // 242
    {"Operating heavy duty equipment/automated, not driving", "10", "2,4"}, // 243
    {"Operating snow blower, walking", "19", "4,5"},                        // 244
    {"Orange grove work", "19", "4,5"},                                     // 245
    {"Orienteering", "38", "9"},                                            // 246
    {"Packing/unpacking boxes, occasional lifting or household items light-moderate effort (standing)", "15",
     "3,6"},                                      // 247
    {"Paddleball, casual, general", "25", "5,9"}, // 248
    {"Paddleball, competitive", "50", "11,9"},    // 249
    {"Padleboat", "17", "4"},                     // 250
    {"Painting, outside house", "21", "5"},       // 251
    {"Painting, papering, plastering, scraping, inside house, hanging sheet rock, remodeling", "19",
     "4,5"},                                                                   // 252
    {"Piano or organ, playing ", "10", "2,4"},                                 // 253
    {"Planting seedlings, shrubs", "17", "4"},                                 // 254
    {"Planting trees", "19", "4,5"},                                           // 255
    {"Playing with child(ren), light effort (sitting)", "10", "2,4"},          // 256
    {"Playing with child(ren), light effort (standing)", "12", "2,8"},         // 257
    {"Playing with child(ren), moderate effort (walking/running)", "17", "4"}, // 258
    {"Playing with child(ren), vigorous effort (walking/running)", "21", "5"}, // 259
    {"Police, riding in a squad car (sitting) ", "5", "1,2"},                  // 260
    {"Police, driving a squad car(sitting)", "8", "1,9"},                      // 261
    {"Police, directing traffic (standing)", "10", "2,4"},                     // 262
    {"Police, making an arrest (standing)", "33", "7,8"},                      // 263
    {"Polo", "33", "7,8"},                                                     // 264
    {"Printing (standing)", "9", "2,1"},                                       // 265
    {"Pushing or pulling buggy with child", "10", "2,4"},                      // 266
    {"Pushing plane in and out of hangar", "25", "5,9"},                       // 267
    {"Putting away clothes, gathering clothes to pack, putting away laundry (implied walking)", "9",
     "2,1"},                                                                                    // 268
    {"Putting away groceries (e.g. carrying groceries, shopping without trolley", "10", "2,4"}, // 269
    {"Putting away household items, moderate effort (implied walking)", "13", "3,1"},           // 270
    {"Putting on and removing of sailboat tarpaulin", "13", "3,1"},                             // 271
    {"Race walking", "27", "6,4"},                                                              // 272
    {"Racketball, casual, general", "29", "6,9"},                                               // 273
    {"Racketball, competitive", "50", "11,9"},                                                  // 274
    {"Raking lawn", "17", "4"},                                                                 // 275
    {"Raking roof with snow rake", "17", "4"},                                                  // 276
    {"Reading book/newspaper, etc. (sitting)   ", "6", "1,4"},                                  // 277
    {"Reading (standing)", "7,5", "1,8"},                                                       // 278
    {"Reading, reclining", "4", "0,9"},                                                         // 279
    {"Riding snow blower", "13", "3,1"},                                                        // 280
    {"Rock climbing, rapelling", "33", "7,8"},                                                  // 281
    {"Rock or mountain climbing", "33", "7,8"},                                                 // 282
    {"Rock climbing, ascending rock", "46", "10,9"},                                            // 283
    {"Rollerskiing, 16 km/h, no grade", "33", "7,8"},                                           // 284
    {"Rollerskiing, 18 km/h, no grade", "42", "10"},                                            // 285
    {"Rollerskiing, 19 km/h, no grade", "46", "10,9"},                                          // 286
    {"Rollerskiing, 14,5 km/h, 6% grade", "50", "11,9"},                                        // 287
    {"Roofing", "25", "5,9"},                                                                   // 288
    {"Rope jumping, slow", "33", "7,8"},                                                        // 289
    {"Rope jumping, moderate, general", "42", "10"},                                            // 290
    {"Rope jumping, fast", "50", "11,9"},                                                       // 291
    {"Rowing, stationary, 50 W, light effort", "15", "3,6"},                                    // 292
    {"Rowing, stationary, 100 W, moderate effort", "29", "6,9"},                                // 293
    {"Rowing, stationary, 150 W, vigorous effort", "35", "8,3"},                                // 294
    {"Rowing, stationary ergometer, general", "40", "9,5"},                                     // 295
    {"Rowing, stationary, 200 W, very vigorous effort", "50", "11,9"},                          // 296
    {"Rugby", "42", "10"},                                                                      // 297
    {"Running, wheeling, general", "13", "3,1"},                                                // 298
    {"Running 8 km/h (7.5 min/km)", "33", "7,8"},                                               // 299
    {"Running, general", "33", "7,8"},                                                          // 300
    {"Running, in place", "33", "7,8"},                                                         // 301
    {"Running, training, pushing wheelchair, marathon wheeling", "33", "7,8"},                  // 302
    {"Running 9,6 km/h (6.25 min/km)", "42", "10"},                                             // 303
    {"Running on a track, team practice", "42", "10"},                                          // 304
    {"Running 10,8 km/h (5,5 min/km)", "46", "10,9"},                                           // 305
    {"Running 11,3 km/h (5,3 min/km)", "48", "11,4"},                                           // 306
    {"Running 12 km/h (5,0 min/km)", "52", "12,4"},                                             // 307
    {"Running 12,8 km/h (4,7 min/km)", "56", "13,3"},                                           // 308
    {"Running 13,8 km/h (4,3 min/km)", "59", "14"},                                             // 309
    {"Running 14,5 km/h (4,1 min/km)", "63", "15"},                                             // 310
    {"Running, upstairs", "63", "15"},                                                          // 311
    {"Running 16,1 km/h (3,7 min/km)", "67", "15,9"},                                           // 312
    {"Running 17,5 km/h (3,4 min/km)", "75", "17,8"},                                           // 313
    {"Running, cross country", "38", "9"},                                                      // 314
    {"Sailing, boat or bord sailing, wind-surfing, ice sailing, general", "13", "3,1"},         // 315
    {"Sailing, Sunfish/Laser/Hobby Cat, keel boats, ocean sailing, yachting", "13", "3,1"},     // 316
    {"Sailing, in competition", "21", "5,1"},                                                   // 317
    {"Sanding floors with a power sander", "19", "4,5"},                                        // 318
    {"Scraping and painting sailboat or power boat", "19", "4,5"},                              // 319
    {"Scrubbing floors on hands and knees", "23", "5,5"},                                       // 320
    {"Serving food, setting table (implied walking or standing)", "10", "2,4"},                 // 321
    {"Sexual activity, active, vigorous effort ", "6", "1,4"},                                  // 322
    {"Sexual activity, general, moderate effort", "5", "1,2"},                                  // 323
    {"Sexual activity, passive, light effort, kissing, hugging", "4", "0,9"},                   // 324
    {"Shoe repair, general", "10", "2,4"},                                                      // 325
    {"Shopping (non-grocery shopping), standing", "8", "1,9"},                                  // 326
    {"Shopping (non-grocery shopping), walking", "9", "2,1"},                                   // 327
    {"Shovelling snow by hand", "25", "5,9"},                                                   // 328
    {"Showering, toweling off, standing", "17", "4"},                                           // 329
    {"Shovelling, light (less than 4,5 kg/min)", "25", "5,9"},                                  // 330
    {"Shovelling, moderate (4,5 - 7 kg/min)", "29", "6,9"},                                     // 331
    {"Shovelling, digging ditches", "35", "8,3"},                                               // 332
    {"Shovelling, heavy (more than 7 kg/min)", "38", "9"},                                      // 333
    {"Shuffleboard, lawn bowling", "13", "3,1"},                                                // 334
    {"Sitting on toilet", "4", "0,9"},                                                          // 335
    {"Sitting quietly (riding in a car, listening to a lecturer or music, watching television or a film)",
     "4", "0,9"},                                                                                       // 336
    {"Sitting, knitting, sewing, light wrapping (presents)", "6", "1,4"},                               // 337
    {"Skateboarding", "21", "5"},                                                                       // 338
    {"Skating, figure", "38", "9"},                                                                     // 339
    {"Skating, ice, 5 km/h or less", "23", "5,5"},                                                      // 340
    {"Skating, ice, general", "29", "6,9"},                                                             // 341
    {"Skating, ice, rapidly, more than 9 km/h", "38", "9"},                                             // 342
    {"Skating, roller", "29", "6,9"},                                                                   // 343
    {"Skating, speed, competitive", "63", "15"},                                                        // 344
    {"Ski jumping (climbing up carrying skis)", "29", "6,9"},                                           // 345
    {"Ski machine, general", "40", "9,5"},                                                              // 346
    {"Skiing, cross-country, 4 km/h, slow or light effort, ski walking", "29", "6,9"},                  // 347
    {"Skiing, cross-country, 6-8 km/h, moderate speed and effort, general", "33", "7,8"},               // 348
    {"Skiing, cross-country, 8,1 - 13 km/h, brisk speed, vigorous effort", "38", "9"},                  // 349
    {"Skiing, cross-country, 13 km/h, racing", "59", "14"},                                             // 350
    {"Skiing, downhill, light effort", "21", "5"},                                                      // 351
    {"Skiing, downhill, moderate effort, general", "25", "5,9"},                                        // 352
    {"Skiing, downhill, vigorous effort, racing", "33", "7,8"},                                         // 353
    {"Skiing, general", "29", "6,9"},                                                                   // 354
    {"Skiing, water", "25", "5,9"},                                                                     // 355
    {"Skindiving or scuba diving as frogman", "50", "11,9"},                                            // 356
    {"Skindiving, scuba diving, general", "29", "6,9"},                                                 // 357
    {"Skindiving, moderate", "52", "12,4"},                                                             // 358
    {"Skindiving, fast", "67", "15,9"},                                                                 // 359
    {"Sky diving", "15", "3,6"},                                                                        // 360
    {"Sledding, tobogganing, bobsledding, luge", "29", "6,9"},                                          // 361
    {"Sleeping ", "4", "0,9"},                                                                          // 362
    {"Slimnastics", "25", "5,9"},                                                                       // 363
    {"Snorkeling", "21", "5"},                                                                          // 364
    {"Snow shoeing", "33", "7,8"},                                                                      // 365
    {"Snowmobiling", "15", "3,6"},                                                                      // 366
    {"Soccer, casual, general", "29", "6,9"},                                                           // 367
    {"Soccer, competitive", "42", "10"},                                                                // 368
    {"Softball, officiating", "17", "4"},                                                               // 369
    {"Softball or baseball, fast or slow pitch general", "21", "5"},                                    // 370
    {"Softball, pitching", "25", "5,9"},                                                                // 371
    {"Spreading dirt with a shovel", "21", "5"},                                                        // 372
    {"Squash", "50", "11,9"},                                                                           // 373
    {"Stair-treadmill ergometer, general", "25", "5,9"},                                                // 374
    {"Standing quietly (standing in a line)", "5", "1,2"},                                              // 375
    {"Steel mill, fettling", "21", "5"},                                                                // 376
    {"Steel mill, forging", "23", "5,5"},                                                               // 377
    {"Steel mill, tipping molds", "23", "5,5"},                                                         // 378
    {"Steel mill, tending furnace", "31", "7,4"},                                                       // 379
    {"Steel mill, hand rolling", "33", "7,8"},                                                          // 380
    {"Steel mill, merchant mill rolling", "33", "7,8"},                                                 // 381
    {"Steel mill, working in general", "33", "7,8"},                                                    // 382
    {"Steel mill, removing slag", "46", "10,9"},                                                        // 383
    {"Stretching, hatha yoga", "17", "4"},                                                              // 384
    {"Studying, general, including reading and/or writing (sitting)", "7,5", "1,8"},                    // 385
    {"Surfing, body or board", "13", "3,1"},                                                            // 386
    {"Sweeping garage, pavement or outside of house", "17", "4"},                                       // 387
    {"Swimming, treading water, moderate effort, general", "17", "4"},                                  // 388
    {"Swimming, lake, ocean, river", "25", "5,9"},                                                      // 389
    {"Swimming, leisurely, not lap swimming, general", "25", "5,9"},                                    // 390
    {"Swimming underwater, 1,5 km/h", "29", "6,9"},                                                     // 391
    {"Swimming laps, freestyle, slow, moderate or light effort", "33", "7,8"},                          // 392
    {"Swimming, backstroke, general", "33", "7,8"},                                                     // 393
    {"Swimming, crawl, slow (50 m/min), moderate or light effort", "33", "7,8"},                        // 394
    {"Swimming, sidestroke, general", "33", "7,8"},                                                     // 395
    {"Swimming, synchronized", "33", "7,8"},                                                            // 396
    {"Swimming laps, freestyle, fast, vigorous effort", "42", "10"},                                    // 397
    {"Swimming, breaststroke, general", "42", "10"},                                                    // 398
    {"Swimming, treading water, fast, vigorous effort", "42", "10"},                                    // 399
    {"Swimming, butterfly, general", "46", "10,9"},                                                     // 400
    {"Swimming, crawl, fast (75 m/min), vigorous effort", "46", "10,9"},                                // 401
    {"Table tennis, ping-pong", "17", "4"},                                                             // 402
    {"Tai chi", "17", "4"},                                                                             // 403
    {"Tailoring, hand sewing", "8", "1,9"},                                                             // 404
    {"Tailoring, cutting", "10", "2,4"},                                                                // 405
    {"Tailoring, general", "10", "2,4"},                                                                // 406
    {"Tailoring, machine sewing", "10", "2,4"},                                                         // 407
    {"Tailoring, pressing", "17", "4"},                                                                 // 408
    {"Talking and eating or eating only, standing", "8", "1,9"},                                        // 409
    {"Talking or talking on phone, reclining", "4", "0,9"},                                             // 410
    {"Talking or talking on the phone (sitting)", "6", "1,4"},                                          // 411
    {"Talking or talking on phone (standing)", "7,5", "1,8"},                                           // 412
    {"Teaching aerobics exercise class, assumes participation", "25", "5,9"},                           // 413
    {"Tennis, doubles", "25", "5,9"},                                                                   // 414
    {"Tennis, general", "29", "6,9"},                                                                   // 415
    {"Tennis, singles", "33", "7,8"},                                                                   // 416
    {"Tiding up yard, light effort (implied walking/standing)", "13", "3,1"},                           // 417
    {"Trampoline", "15", "3,6"},                                                                        // 418
    {"Trimming shrubs or trees, power cutter", "15", "3,6"},                                            // 419
    {"Trimming shrubs or trees, manual cutter", "19", "4,5"},                                           // 420
    {"Trombone, playing", "15", "3,6"},                                                                 // 421
    {"Truck driving, loading and unloading truck (standing", "27", "6,4"},                              // 422
    {"Trumpet, playing", "10", "2,4"},                                                                  // 423
    {"Typing, electric, manual or computer ", "6", "1,4"},                                              // 424
    {"Unicycling", "21", "5"},                                                                          // 425
    {"Using heavy power tools such as pneumatic tools (jackhammers, drill, etc.)", "25", "5,9"},        // 426
    {"Using heavy tools (not power) such as shovel, pick tunnelbar, spade", "33", "7,8"},               // 427
    {"Violin, playing", "10", "2,4"},                                                                   // 428
    {"Volleyball, beach", "33", "7,8"},                                                                 // 429
    {"Volleyball, non-competitive, 6 - 9 member team, general", "13", "3,1"},                           // 430
    {"Volleyball, competitive, in gymnasium", "17", "4"},                                               // 431
    {"Walking less than 3 km/h on level ground, strolling, household walking, very slow", "8", "1,9"},  // 432
    {"Walking on job, les than 3 km/h (in office or lab area) very slow", "8", "1,9"},                  // 433
    {"Walking 3 km/h on level ground, slow pace, firm surface", "10", "2,4"},                           // 434
    {"Walking, applying fertilizer or seeding a lawn", "10", "2,4"},                                    // 435
    {"Walking 4 km/h, downhill", "13", "3,1"},                                                          // 436
    {"Walking 4 km/h, firm surface", "13", "3,1"},                                                      // 437
    {"Walking downstairs", "13", "3,1"},                                                                // 438
    {"Walking, 4 km/h, slowly and carrying light objects less than 10 kg", "13", "3,1"},                // 439
    {"Walking 5 km/h, on level ground, moderate pace, firm surface", "15", "3,6"},                      // 440
    {"Walking for pleasure, work break, walking the dog", "15", "3,6"},                                 // 441
    {"Walking on job, 5 km/h, in office, moderate speed, not carrying anything", "15", "3,6"},          // 442
    {"Walking 5,5 km/h, on level ground, brisk pace, firm surface", "17", "4"},                         // 443
    {"Walking 6 km/h, on level ground, firm surface, very brisk pace", "17", "4"},                      // 444
    {"Walking on job, 6 km/h, in office, brisk speed, not carrying anything", "17", "4"},               // 445
    {"Walking to work or school", "17", "4"},                                                           // 446
    {"Walking, 5 km/h, moderately and carrying light objects less than 10 kg", "17", "4"},              // 447
    {"Walking, using crutches", "17", "4"},                                                             // 448
    {"Walking 7 km/h, on level ground, firm surface, very brisk pace", "19", "4,5"},                    // 449
    {"Walking, 6 km/h, briskly and carrying objects less than 10 kg", "19", "4,5"},                     // 450
    {"Walking on grass track", "21", "5"},                                                              // 451
    {"Walking or walking downstairs or standing, carrying objects about 10-22 kg ", "21", "5"},         // 452
    {"Walking 5,5 km/h, uphill", "25", "5,9"},                                                          // 453
    {"Walking or walking downstairs or standing, carrying objects about 23-33 kg ", "27", "6,4"},       // 454
    {"Walking or walking downstairs or standing, carrying objects about 34-44 kg ", "31", "7,4"},       // 455
    {"Walking upstairs, using or climbing up ladder", "33", "7,8"},                                     // 456
    {"Walking or walking downstairs or standing, carrying objects about 45 kg and over ", "35", "8,3"}, // 457
    {"Washing and waxing hull of sailboat, car, powerboat, airplane", "19", "4,5"},                     // 458
    {"Washing dishes, clearing dishes from table (walking)", "9", "2,1"},                               // 459
    {"Washing dishes, standing or in general (not broken into stand/walk components)", "9", "2,1"},     // 460
    {"Washing fence", "19", "4,5"},                                                                     // 461
    {"Water aerobics, water calisthenics", "17", "4"},                                                  // 462
    {"Water polo", "42", "10"},                                                                         // 463
    {"Water volleyball", "13", "3,1"},                                                                  // 464
    {"Watering lawn or garden, standing or walking", "6", "1,4"},                                       // 465
    {"Weaving at a loom, sitting", "8", "1,9"},                                                         // 466
    {"Weeding, cultivating garden", "19", "4,5"},                                                       // 467
    {"Weight lifting (free, nautilus or universal-type), light or moderate effort, light work, general", "13",
     "3,1"}, // 468
    {"Weight lifting (free weight, nautilus or universal-type), power lifting or body building, vigorous effort",
     "25", "5,9"},                                                              // 469
    {"Whirlpool, sitting", "4", "0,9"},                                         // 470
    {"Whitewater rafting, kayaking, or canoeing, non-competitive", "21", "5"},  // 471
    {"Wiring, plumbing", "13", "3,1"},                                          // 472
    {"Woodwind, playing", "8", "1,9"},                                          // 473
    {"Working in scene shop, theatre actor, backstage, employee", "13", "3,1"}, // 474
    {"Wrestling (one match = 5 min)", "25", "5,9"},                             // 475
    {"Writing, reclining ", "4", "0,9"},                                        // 476
    {"Writing, desk work (sitting)", "7,5", "1,8"},                             // 477
}};

} // namespace movesta
